#pragma once

#include "app/blankcell.h"
#include "app/captionlabel.h"
#include "app/commandbutton.h"
#include "app/drawnlayer.h"
#include "app/frameshape.h"
#include "app/gauge.h"
#include "app/layout.h"
#include "app/resources.h"
#include "app/startup.h"
#include "support/modalcloser.h"
#include "tiles/animatedcorvalia.h"

#include <QTemporaryDir>
#include <QTest>

#include <array>
#include <memory>

// The program's windows as start-up makes them, for the tests of the main window: the report
// goes to a home folder of the test's own, the built-in resources are loaded, and every modal
// window a test opens is closed as soon as it appears. The main window is shown alone, without
// the information window that start-up shows first. The controls are found once per window by
// the object names the layout gives them.
class MainWindowFixture
{
public:
    // Points HOME at `homePath`, or at a fresh temporary folder when it is empty.
    explicit MainWindowFixture(const QString &homePath = {})
    {
        qputenv("HOME", QFile::encodeName(homePath.isEmpty() ? tempHome_.path() : homePath));
        resources::load();
    }

    // Destroys the windows of the last call and makes them afresh for the table; the main
    // window is shown unless told otherwise. Only the modal windows met from here on are in
    // closer's lists.
    bool makeWindows(bool show = true, board::Table table = board::Table::Classic)
    {
        destroyWindows();
        windows_ = std::make_unique<startup::Windows>(startup::Windows::First::Nothing, table);
        form = &windows_->Form1;
        closer = std::make_unique<ModalCloser>();
        closer->watched = form;
        tiles_ = {};
        panels_ = {};
        shapes_ = {};
        for (int n = 1; n <= board::elementCount(table); ++n) {
            tiles_[n] = form->findChild<TAnimatedCorvalia *>(QStringLiteral("Tile%1").arg(n));
            panels_[n] = form->findChild<BlankCell *>(QStringLiteral("Panel%1").arg(n));
            shapes_[n] = form->findChild<FrameShape *>(QStringLiteral("Shape%1").arg(n));
        }
        gauge_ = form->findChild<TGauge *>(QStringLiteral("Gauge1"));
        surface_ = form->findChild<DrawnLayer *>();
        if (!show)
            return true;
        form->show();
        if (!QTest::qWaitForWindowExposed(form))
            return false;
        window = form->windowHandle();
        return true;
    }

    void destroyWindows()
    {
        windows_.reset();
        closer.reset();
        form = nullptr;
        window = nullptr;
    }

    TAnimatedCorvalia *tile(int n) const { return tiles_[n]; }
    BlankCell *panel(int n) const { return panels_[n]; }
    FrameShape *shape(int n) const { return shapes_[n]; }
    CommandButton *button(layout::Command command) const
    {
        for (const layout::ButtonSpec &entry : layout::kButtons)
            if (entry.command == command)
                return form->findChild<CommandButton *>(QLatin1String(entry.name));
        return nullptr;
    }
    CaptionLabel *label(const char *name) const
    {
        return form->findChild<CaptionLabel *>(QLatin1String(name));
    }
    TGauge *gauge() const { return gauge_; }
    DrawnLayer *surface() const { return surface_; }
    startup::Windows &windows() const { return *windows_; }
    TDatosBox &datosBox() const { return windows_->DatosBox; }
    TElementos &elementos() const { return windows_->Elementos; }

    std::unique_ptr<ModalCloser> closer;
    TForm1 *form = nullptr;
    QWindow *window = nullptr;

private:
    QTemporaryDir tempHome_;
    std::unique_ptr<startup::Windows> windows_;
    std::array<TAnimatedCorvalia *, board::kMaxElementCount + 1> tiles_{};
    std::array<BlankCell *, board::kMaxElementCount + 1> panels_{};
    std::array<FrameShape *, board::kMaxElementCount + 1> shapes_{};
    TGauge *gauge_ = nullptr;
    DrawnLayer *surface_ = nullptr;
};
