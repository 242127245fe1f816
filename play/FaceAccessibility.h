#pragma once

namespace strhaven {

// Makes the drawn machine face readable and playable by a screen reader:
// the bill slots and the play and Cash Out buttons are push buttons with a
// press action, the displays carry their figures as values, the pay line
// names its symbols and the printed pay table reads as a table. Installed
// once for the whole run; the face's own widgets are recognised by class.
void installFaceAccessibility();

} // namespace strhaven
