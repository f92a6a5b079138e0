#pragma once
// One value bound to an insert: null, integer, real or text.

#include <cstddef>
#include <string>

namespace gen {

struct Cell {
    enum Kind { Null, Int, Real, Text };
    Kind kind = Null;
    long long i = 0;
    double d = 0;
    std::string s;

    Cell(std::nullptr_t) {}
    Cell(int v) : kind(Int), i(v) {}
    Cell(long long v) : kind(Int), i(v) {}
    Cell(bool v) : kind(Int), i(v ? 1 : 0) {}
    Cell(double v) : kind(Real), d(v) {}
    Cell(const char* v) : kind(Text), s(v) {}
    Cell(std::string v) : kind(Text), s(std::move(v)) {}
};

} // namespace gen
