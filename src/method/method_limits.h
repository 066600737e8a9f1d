// The ranges the editor holds a method's values to, and the names its refusal messages
// give the fields, in one place: the editor's validators refuse typed values with them
// and tovrex-method checks stored methods with them, so the two can never disagree.
// Every range is inclusive. Names keep the blank the messages put before the line break.
#pragma once

#include <cstdint>

#include "method/inlet_method.h"
#include "method/number_text.h"

struct ValueRange {
  double low;
  double high;
};

// Inside the range; NaN never is.
constexpr bool InRange(double value, ValueRange range) {
  return value >= range.low && value <= range.high;
}

// ---- Oven programme and zones (degrees C, minutes, degrees C per minute) -------------
// A row's lowest temperature is the minimum oven temperature of the host's INI file, so
// only the top is a constant.
inline constexpr double kOvenMaxTemp = 450.0;
inline constexpr ValueRange kOvenTimeRange{0.0, 800.0};  // row times, standby time, time 5
inline constexpr ValueRange kOvenRateRange{0.1, 49.9};
inline constexpr ValueRange kZoneTempRange{0.0, 450.0};

inline constexpr const char* kOvenTempName = "Temperature ";
inline constexpr const char* kZoneTempNames[3] = {"Zone 1 Temperature ", "Zone 2 Temperature ",
                                                  "Zone 3 Temperature "};
inline constexpr const char* kStandbyTimeName = "Standby Time ";
inline constexpr const char* kTime5Name = "Time 5 ";
// A row's time, in the oven programme and the ULVO ramps alike.
inline constexpr const char* kTimeName = "Time ";
// "Rate " then the number of the rate (rate j leads from row j to row j + 1) and a blank.
inline constexpr const char* kRateName = "Rate ";

// ---- Valve timetable (minutes) --------------------------------------------------------
inline constexpr ValueRange kValveTimeRange{0.0, 100.0};
inline constexpr const char* kPurgeName = "Purge";
inline constexpr const char* kSecondaryCoolName = "Secondary Cool";
inline constexpr const char* kSplitName = "Split Time";

// ---- ULVO ramps (ml/min or kPa, minutes, per minute) ----------------------------------
// What a channel's mode allows its levels (rows, sample and standby value) and rates. A
// rate of 0 lies inside the range and is refused by a message of its own.
struct UlvoModeLimits {
  const char* levelName;
  ValueRange level;
  ValueRange rate;
};
inline constexpr UlvoModeLimits kFlowLimits{"Flow", {0.1, 99.9}, {0.0, 10.0}};
inline constexpr UlvoModeLimits kPressureLimits{"Pressure", {3.0, 250.0}, {0.0, 250.0}};
inline constexpr ValueRange kUlvoTimeRange{0.0, 800.0};

inline constexpr const char* kSampleValueName = "Sample value ";
inline constexpr const char* kStandbyValueName = "Standby value ";
// Follows "Rate " and the rate's number.
inline constexpr const char* kRateZeroText = " cannot be zero";

// The sample and standby values are held at single precision, as the unit takes them,
// and compared against single-precision bounds.
constexpr bool InSingleRange(float value, ValueRange range) {
  return value >= static_cast<float>(range.low) && value <= static_cast<float>(range.high);
}

// ---- One check per kind of ramp field ---------------------------------------------------
// What a ramp's rows are held to: the level, the hold time and the rate leading into a
// row; `zeroRateRefused` where a rate of 0 lies inside the range and has a message of its
// own.
struct RampLimits {
  const char* levelName;
  ValueRange level;
  ValueRange time;
  ValueRange rate;
  bool zeroRateRefused;
};

// The INI's minimum is single precision; widened, it compares a whole number of degrees
// exactly as a single-precision comparison would.
constexpr RampLimits OvenRampLimits(float minOvenTemp) {
  return {kOvenTempName, {minOvenTemp, kOvenMaxTemp}, kOvenTimeRange, kOvenRateRange, false};
}

// The limits of a channel's mode: Flow's in Flow mode, Pressure's otherwise.
constexpr const UlvoModeLimits& UlvoLimits(int32_t mode) {
  return mode == kUlvoFlow ? kFlowLimits : kPressureLimits;
}
constexpr RampLimits UlvoRampLimits(int32_t mode) {
  const UlvoModeLimits& limits = UlvoLimits(mode);
  return {limits.levelName, limits.level, kUlvoTimeRange, limits.rate, true};
}

enum class RateCheck { kAllowed, kOutOfRange, kZero };
constexpr RateCheck CheckRate(double rate, const RampLimits& limits) {
  if (!InRange(rate, limits.rate)) return RateCheck::kOutOfRange;
  return limits.zeroRateRefused && rate == 0.0 ? RateCheck::kZero : RateCheck::kAllowed;
}

// A ULVO sample or standby value, checked as the unit holds it: at single precision.
inline bool HeldLevelAllowed(double value, ValueRange range) {
  return InSingleRange(SaturateToFloat(value), range);
}
