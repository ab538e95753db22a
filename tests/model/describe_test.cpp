// Squares put into words: place first, then what the player would see.

#include "model/describe.h"

#include <gtest/gtest.h>

#include <string>

namespace tessaline {
namespace {

struct Case {
    const char* what;
    Cell cell;
    int column;
    int row;
    const char* caption;
    const char* expected;
};

const Case Cases[] = {
    {"hidden square hides its colour", {CodeRed, StateHidden}, 4, 2, "", "Row 3, column 5: hidden"},
    {"hidden with a stale caption still says only hidden",
     {CodeBlue, StateHidden},
     0,
     0,
     "3",
     "Row 1, column 1: hidden"},
    {"uncovered colour reads its count",
     {CodeRed, StateVisible},
     0,
     0,
     "2",
     "Row 1, column 1: Red, 2"},
    {"uncovered with no count around",
     {CodeYellow, StateVisible},
     29,
     29,
     "0",
     "Row 30, column 30: Yellow, 0"},
    {"uncovered colour before its first caption",
     {CodePurple, StateVisible},
     1,
     0,
     "",
     "Row 1, column 2: Purple"},
    {"mark names the guess, not the truth",
     {CodeRed, CodeYellow},
     3,
     1,
     "?",
     "Row 2, column 4: marked Yellow"},
    {"mark with the last colour",
     {CodeOrange, CodePurple},
     0,
     5,
     "?",
     "Row 6, column 1: marked Purple"},
    {"uncovered block", {CodeBlock, StateVisible}, 1, 0, "", "Row 1, column 2: block"},
    {"uncovered block ignores a left-over caption",
     {CodeBlock, StateVisible},
     1,
     0,
     "?",
     "Row 1, column 2: block"},
    {"dealt block", {CodeBlock, StateDealtBlock}, 7, 9, "?", "Row 10, column 8: block"},
    {"uncovered square never dealt a colour",
     {CodeNoColour, StateVisible},
     2,
     2,
     "1",
     "Row 3, column 3: no colour, 1"},
    {"unknown state counts as hidden", {CodeGreen, 7}, 2, 0, "", "Row 1, column 3: hidden"},
};

TEST(DescribeSquare, SaysWhereTheSquareIsAndWhatItShows) {
    for (const Case& c : Cases) {
        EXPECT_EQ(DescribeSquare(c.cell, c.column, c.row, c.caption), c.expected) << c.what;
    }
}

TEST(DescribeSquare, NamesEveryColourCodeAndNothingElse) {
    const char* const names[] = {"", "Yellow", "Orange", "Red", "Green", "Blue", "Purple"};
    for (Int16 code = CodeBlock; code <= CodePurple; ++code) {
        EXPECT_EQ(ColourName(code), names[code]) << "code " << code;
    }
    for (const Int16 code : {Int16{-1}, Int16{7}, CodeNoColour, StateHidden, StateVisible}) {
        EXPECT_EQ(ColourName(code), "") << "code " << code;
    }
}

} // namespace
} // namespace tessaline
