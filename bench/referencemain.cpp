#include "bench/referenceoptions.h"
#include "bench/referencewindow.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const ReferenceOptions options = ReferenceOptions::parse(app.arguments());
    if (!options.error.isEmpty()) {
        std::fprintf(stderr,
                     "%s\nusage: tabelora_reference [--interval MS] [--drift|--rest] "
                     "[--repaint every|change] [--title TEXT]\n",
                     qPrintable(options.error));
        return 2;
    }
    ReferenceWindow window(options);
    window.show();
    return app.exec();
}
