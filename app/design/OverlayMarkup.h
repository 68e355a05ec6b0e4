#pragma once
#include <string>

class CTsObject;

// The frames drawn into the design page's overlay layer: one per object of the
// page (red and solid when selected, grey and dotted otherwise), so the frame's
// outer box equals the measured rectangle. Socketed objects and the object being
// edited in place get none, nor do their subtrees.
std::string OverlayMarkup(const CTsObject& object);
// The dashed blue rectangle of a rubber band in progress, in page coordinates
// shifted by the scroll; empty when the page has none.
std::string FeedbackMarkup(const CTsObject& page, int scrollX, int scrollY);
// The script that replaces the overlay layer with the markup.
std::string OverlayScript(const std::string& markup);
