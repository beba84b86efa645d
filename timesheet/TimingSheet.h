// The entries of a run as keys on a timing sheet at 24 frames a second: the frame each split
// falls on, and the length of each key between two splits.
#pragma once

#include <QString>
#include <cstdint>
#include <vector>

/// The frame a split of `ms` milliseconds falls on: whole seconds of 24 frames plus the frame in
/// progress within the second, as the frame-count notation counts it (uncut).
int64_t BoundaryFrame(int32_t ms);

/// The length in frames of key `k` (1 for the first) of `entries`: from the boundary of the
/// entry before it (frame 0 for the first) to its own. Zero when two entries share a frame.
int64_t KeyLength(const std::vector<int32_t>& entries, std::size_t k);

/// A length as animators write it on a sheet, seconds "+" frames: 36 frames are "1+12".
QString SecondsPlusFrames(int64_t frames);

/// What a lap line tells a screen reader and its tooltip: "キー 2: 18 コマ (0+18)".
QString KeyDescription(std::size_t k, int64_t length);
