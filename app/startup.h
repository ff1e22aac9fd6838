#pragma once

#include "app/aboutbox.h"
#include "app/datosbox.h"
#include "app/elementos.h"
#include "app/form1.h"

namespace startup {

// The program's four windows, made in this order and alive together: the main window first
// (it deals the first game), then the information window that is never shown, the
// pupil-data dialog and the element chart, which the main window's commands open. Making
// them shows nothing.
struct Windows
{
    TForm1 Form1;
    TAboutBox AboutBox{&Form1};
    TDatosBox DatosBox;
    TElementos Elementos;

    Windows() { Form1.setWindows(&DatosBox, &Elementos); }
};

// What the pupil sees first: the information window, shown modally while the main window's
// reveal timer already runs, and the main window when it closes.
void showFirstWindows(Windows &windows);

// Takes the language from the system locale or the command line (or answers the help, the
// version or a wrong argument and ends, with no display), makes the application object, loads
// the resources, makes the windows and runs the event loop until the main window closes.
int run(int &argc, char **argv);

} // namespace startup
