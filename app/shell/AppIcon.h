#pragma once
#include <QIcon>

// The application icon, drawn once: a quill nib on a rounded tile.
QIcon ApplicationIcon();
