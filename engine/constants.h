// Constants of the adjustment. They are the values the computation is defined with, not the
// best-known values: Pi has ten decimals and LogSinePerSecond is the tabular 2.105495, so every
// digit the window shows can be reproduced by hand from the same numbers.
#pragma once

namespace velmora {

inline constexpr double Pi = 3.1415926535;
inline constexpr double DegreeToRadian = Pi / 180;  // radians per degree, one double division
// Change of log10 sin b per second of arc, in units of the sixth decimal, times tan b.
inline constexpr double LogSinePerSecond = 2.105495;
inline constexpr double Ln10 = 2.302585093;  // ln x / Ln10 is the common logarithm

inline constexpr double SecondsPerDegree = 3600;
inline constexpr double MinutesPerDegree = 60;
inline constexpr double StraightAngle = 180;  // degrees in a triangle, and half a turn
inline constexpr double FullTurn = 360;       // degrees
inline constexpr double MillimetresPerMetre = 1000;
inline constexpr double LogUnitsPerLog = 1000000;  // the pole closure is in units of 10^-6

}  // namespace velmora
