# Every file the Debian package installs under /usr, each with what `file -b`
# must say of it and the mode it must have in the package. Nothing else may be
# installed.
set(TESSALINE_ICON_SIZES 16 22 24 32 48 64 128 256)

set(TESSALINE_INSTALLED_FILES
    "games/tessaline|^ELF .*executable|-rwxr-xr-x"
    "share/applications/org.example.Tessaline.desktop|text|-rw-r--r--"
    "share/metainfo/org.example.Tessaline.metainfo.xml|XML|-rw-r--r--"
    "share/icons/hicolor/scalable/apps/org.example.Tessaline.svg|^SVG Scalable Vector Graphics image|-rw-r--r--"
    "share/man/man6/tessaline.6.gz|^gzip compressed data, max compression|-rw-r--r--"
    "share/doc/tessaline/copyright|text|-rw-r--r--"
    "share/doc/tessaline/changelog.gz|^gzip compressed data, max compression|-rw-r--r--")
foreach(size IN LISTS TESSALINE_ICON_SIZES)
    list(APPEND TESSALINE_INSTALLED_FILES
        "share/icons/hicolor/${size}x${size}/apps/org.example.Tessaline.png|^PNG image data, ${size} x ${size},|-rw-r--r--")
endforeach()

# Splits one row of the table above into its path, `file` pattern and mode.
macro(tessaline_split_row row path pattern mode)
    string(REPLACE "|" ";" _fields "${row}")
    list(GET _fields 0 ${path})
    list(GET _fields 1 ${pattern})
    list(GET _fields 2 ${mode})
endmacro()
