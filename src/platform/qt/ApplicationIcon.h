// PhysCalc's icon, its pixels compiled into the program.
#pragma once

class QIcon;

namespace platform::qt {

QIcon applicationIcon();

} // namespace platform::qt
