#pragma once

// The version this control reports in DriverMajorVersion, DriverMinorVersion,
// DriverRelease, DriverBuild and DriverVersion. The programs compare it with the oldest
// version whose behaviour they rely on (4.13.0.594).
namespace driver_version {
constexpr int Major = 4;
constexpr int Minor = 13;
constexpr int Release = 0;
constexpr int Build = 594;
}  // namespace driver_version
