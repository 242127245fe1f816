#pragma once

namespace strhaven {

// Makes what the machine face draws readable by a screen reader where Qt
// cannot know it (its buttons are Qt's own): the displays carry their
// figures as values, the pay line names its symbols and the printed pay
// table reads as a table. Installed once for the whole run; the face's own
// widgets are recognised by class.
void installFaceAccessibility();

} // namespace strhaven
