// Which way a handheld device points, from the gravity and magnetic field its sensors measure.
// Device frame (the kernel's IIO convention for a handset): x to the right of the screen, y to
// its top edge, z out of the screen towards the user. World frame: east, north, up.
#pragma once

namespace halvane {

struct Vector3 {
  double x, y, z;
};

// The device's back (-z) and top edge (+y) as unit vectors in the world frame (east, north, up),
// north being magnetic north.
struct DeviceAxes {
  Vector3 back;
  Vector3 top;
};

// Where the back points and how the device is turned about that line, radians: azimuth in
// [0, 2 pi) from north through east, altitude in [-pi/2, pi/2], roll in (-pi, pi], 0 when the
// top edge points as far up as it can, positive when the device is turned clockwise as its user
// sees the screen.
struct DeviceAim {
  double azimuth;
  double altitude;
  double roll;
};

// The axes from an accelerometer at rest (it measures the reaction to gravity, pointing up) and a
// magnetometer, both in the device frame and in any units; tilt-compensated: the field's
// horizontal part gives north whatever the tilt. False when either vector is zero, not finite,
// or the two are parallel (no horizontal field to take north from).
bool AxesFromGravityAndField(const Vector3& up, const Vector3& field, DeviceAxes& axes);

// Azimuth, altitude and roll of axes (renormalised first). Straight up or down, where the
// azimuth has no meaning, the top edge gives it and the roll is 0.
DeviceAim AimOfAxes(const DeviceAxes& axes);

}  // namespace halvane
