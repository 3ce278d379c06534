// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Fixed numbers of the computation, written exactly as the system defines them.

namespace solar {

inline constexpr double kDegToRad = 0.0174532925199433;  // used as written, not derived from pi
inline constexpr double kRadToDeg = 57.2957795130823;  // used as written, not derived from pi

}  // namespace solar
