#pragma once

class QApplication;
class TAboutBox;
class TDatosBox;
class TElementos;
class TForm1;

// The program's four windows, alive for the whole run.
extern TForm1 *Form1;
extern TAboutBox *AboutBox;
extern TDatosBox *DatosBox;
extern TElementos *Elementos;

namespace startup {

// Takes the language from the system locale or the command line (or prints the help and
// ends), creates the windows in order (the main window first, which deals the first game and
// shows the information window before it is on screen), then runs the event loop until the
// main window closes.
int run(QApplication &app);

} // namespace startup
