#pragma once
// Growable arrays whose length is set explicitly, as the case records use them for point
// tables, mass ratios and contact flags. An index outside the length is a range error.
#include <cstddef>
#include <stdexcept>
#include <string>
#include <vector>

class ERangeError : public std::out_of_range {
public:
    using std::out_of_range::out_of_range;
};

template <class T>
class TDynArray {
public:
    TDynArray() = default;
    explicit TDynArray(int length) { SetLength(length); }
    TDynArray(std::initializer_list<T> values) : Items(values) {}

    int Length() const { return static_cast<int>(Items.size()); }
    // Keeps the leading elements; new elements are zero (false).
    void SetLength(int length) { Items.resize(length < 0 ? 0 : static_cast<std::size_t>(length), T()); }

    T& operator[](int index) { check(index); return Items[static_cast<std::size_t>(index)]; }
    const T& operator[](int index) const { check(index); return Items[static_cast<std::size_t>(index)]; }

    const std::vector<T>& Values() const { return Items; }
    bool operator==(const TDynArray& other) const { return Items == other.Items; }
    bool operator!=(const TDynArray& other) const { return Items != other.Items; }

private:
    void check(int index) const {
        if (index < 0 || index >= Length())
            throw ERangeError("Range check error: index " + std::to_string(index) + " outside 0.." +
                              std::to_string(Length() - 1));
    }
    std::vector<T> Items;
};

using TDoubleDynArray = TDynArray<double>;
using TBooleanDynArray = TDynArray<char>;  // char, not bool: std::vector<bool> hands out no references
