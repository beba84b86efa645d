#include "core/LapTimes.h"

#include "core/RuntimeFailure.h"

int LapTimes::upperBound() const {
    if (!allocated_) throw RuntimeFailure("subscript out of range: lapTimes is absent");
    return int(values_.size()) - 1;
}

int LapTimes::lowerBound() const {
    if (!allocated_) throw RuntimeFailure("subscript out of range: lapTimes is absent");
    return values_.empty() ? -1 : 0;
}

void LapTimes::makeEmpty() {
    allocated_ = true;
    values_.clear();
}

void LapTimes::append(int32_t value) {
    allocated_ = true;
    values_.push_back(value);
}
