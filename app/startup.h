#pragma once

#include "app/aboutbox.h"
#include "app/datosbox.h"
#include "app/elementos.h"
#include "app/form1.h"

namespace startup {

// The program's four windows, made in this order and alive together: the main window first
// (it deals the first game), then the information window that is never shown, the
// pupil-data dialog and the element chart, which the main window's commands open. Making
// them shows nothing, unless start-up asks for its first sight: the information window,
// shown modally as soon as the main window is made (its reveal timer already runs), before
// the other windows are made, as quickly as the pupil can be shown something.
struct Windows
{
    enum class First
    {
        Nothing,
        InformationWindow,
    };

    explicit Windows(First first = First::Nothing, board::Table table = board::Table::Classic)
        : Form1(nullptr, table),
          firstShown(first == First::InformationWindow && showInformation(Form1)),
          Elementos(nullptr, table)
    {
        Form1.setWindows(&DatosBox, &Elementos);
    }

    TForm1 Form1;
    // Made between the main window and the others, so that the first sight comes between.
    bool firstShown;
    TAboutBox AboutBox{&Form1};
    TDatosBox DatosBox;
    TElementos Elementos;

private:
    static bool showInformation(TForm1 &form)
    {
        form.showInformationWindow();
        return true;
    }
};

// Reads the command line, then the lab's settings for what it leaves open (the language, else
// the system locale's, and the results folder). Answers the help, the version or a wrong
// argument, or writes the summary's CSV or PDF file, and ends, with no display. Otherwise makes
// the application object, loads the resources, and shows the summary window of --resumen or
// else makes the exercise's windows, and runs the event loop until that window closes.
int run(int &argc, char **argv);

} // namespace startup
