#pragma once
#include <QString>

// The application looks 205 to 219: each is a Qt style with a palette of its own.
// Ids 211 to 214 keep the Office 2007 look in its current colour.
struct APPLOOK {
    int id;
    const char* menuText;
    const char* styleName;
};

// The look of an id; null outside 205-219.
const APPLOOK* FindLook(int id);
// Switches the whole application to the look (wait cursor while it changes).
void ApplyLook(int id);
