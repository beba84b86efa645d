// The recorded splits: a growable array with the bounds the program reasons in. Before start-up
// it is absent; its empty state is one element at index -1; with n entries it runs 0 to n - 1.
#pragma once

#include <cstdint>
#include <vector>

class LapTimes {
public:
    /// False until the start-up makes the array empty for the first time.
    bool allocated() const { return allocated_; }
    /// -1 when empty; reading the bound of an absent array is a run-time failure.
    int upperBound() const;
    int lowerBound() const;
    /// Entry i, 0 <= i <= upperBound().
    int32_t at(int index) const { return values_.at(std::size_t(index)); }
    int count() const { return int(values_.size()); }
    /// The entries, oldest first.
    const std::vector<int32_t>& values() const { return values_; }

    void makeEmpty();
    /// Adds a split after the others; the element at -1 of the empty state is not kept.
    void append(int32_t value);

private:
    bool allocated_ = false;
    std::vector<int32_t> values_;
};
