// Text functions shared by the whole program: cutting texts and file names, and splitting
// a text line into numbers. A blank is a space or a tab; a number character is a digit,
// '.', '+', '-', 'e' or 'E'.
#pragma once

#include <string>
#include <vector>

// The text before (after) the first occurrence of part; the whole text when part does
// not occur.
std::string LeftOfSubstring(const std::string& text, const std::string& part);
std::string RightOfSubstring(const std::string& text, const std::string& part);
// The text before (after) the last occurrence of c; empty when c does not occur.
std::string LeftOfLastChar(const std::string& text, char c);
std::string RightOfLastChar(const std::string& text, char c);

// Every character is one of "0123456789.+-eE \t\n" (an empty text included).
bool IsNumeric(const std::string& text);
bool IsBlankChar(char c);
bool IsNumberChar(char c);

// Numbers are runs that start with a number character at the line's start or right
// after a blank, and end at the next blank; other characters inside a run belong to it.
// A line that starts with any other character holds no number.
int CountNumbersInLine(const std::string& line);
// Reads the first n numbers of the line into values[0 .. n - 1], each run whole as one
// finite number (ParseWholeDouble); a run that is none ("1.0.5", "1e400", "-") leaves its
// entry. FALSE, with nothing stored, when n < 1,
// values is null, the line is empty or holds fewer than n numbers. Any line length.
bool ParseNumbersInLine(int n, double* values, const std::string& line);

// The index of the first element that contains text (case-sensitive); -1 when none does.
int FindStringInArray(const std::string& text, const std::vector<std::string>& array);
