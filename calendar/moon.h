#pragma once

// The Moon's phases by the method of Jean Meeus (Astronomical Algorithms, 2nd ed., chapter 49):
// the mean phase from the lunation number, corrected by the periodic terms of the Sun's and Moon's
// anomalies and the Moon's argument of latitude and by the fourteen planetary terms. The instants
// agree with the full lunar theory to well under a minute for the centuries around our own.
//
// Times here are day serials in Universal Time (days since 30 December 1899, 0h UT).

enum class MoonPhaseKind { NewMoon = 0, FirstQuarter = 1, FullMoon = 2, LastQuarter = 3 };

// Instant of the given phase of lunation k (k = 0: the new moon of 6 January 2000).
double moonPhaseTime(long long lunation, MoonPhaseKind kind);
// The first instant of that phase after the given time.
double nextMoonPhase(double after, MoonPhaseKind kind);
// The phase at an instant as a fraction of the synodic month: 0 new moon, 0.25 first quarter,
// 0.5 full moon, 0.75 last quarter; between the four principal phases the fraction runs evenly
// in time.
double MoonPhase(double utc);
// The phase of a day, taken at noon UT of that day.
double MoonPhaseOfDay(double date);
// The illuminated fraction of the disc for a phase fraction (0 new, 1 full).
double moonIlluminatedFraction(double phase);
// Difference TT - UT in seconds for a year (Espenak and Meeus polynomials).
double deltaTSeconds(double year);
