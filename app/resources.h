#pragma once

#include <QFont>
#include <QString>

// Fonts and pictures built into the program.
namespace resources {

// Registers the compiled-in pictures and bundled fonts; call once after the application
// object exists.
void load();

// Bundled stand-ins for the Windows faces the layout names. Sizes are character heights
// in pixels, as the layout gives them.
QFont sansSerif(int pixelHeight, bool bold = false, bool italic = false, bool underline = false);
QFont comic(int pixelHeight, bool bold = false, bool italic = false);

} // namespace resources
