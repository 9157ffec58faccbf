#pragma once

namespace mirtal::widgets {

// Lets assistive tools see a command label as what it is, a button (a link label as a link)
// named by its caption, that they can press; the press returns before the command runs.
// Installed once, by the first command label, before it has a caption.
void installCommandLabelAccessibility();

}  // namespace mirtal::widgets
