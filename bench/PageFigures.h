// Question pages and a whole test run, measured inside the program's own windows.
#pragma once

#include <string>

class Table;

// Needs the program's windows created. Adds the rows of the page turns and of the whole
// test run to `wall` and `processor`; returns the time of each question, as text.
std::string measurePagesAndWholeTest(Table &wall, Table &processor);
