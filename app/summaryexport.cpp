#include "app/summaryexport.h"

#include "app/classtable.h"
#include "app/resources.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFontMetrics>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

namespace summaryexport {

namespace {
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(summaryexport)
};

struct ColumnEntry
{
    const char *heading;
    const char *explanation;
    bool number;
    int printedShare; // per cent of the printed table's width
};

// In the order of Column.
constexpr ColumnEntry kColumns[kColumnCount] = {
    {QT_TRANSLATE_NOOP("summaryexport", "Alumno"),
     QT_TRANSLATE_NOOP("summaryexport", "El nombre que escribió el alumno"), false, 21},
    {QT_TRANSLATE_NOOP("summaryexport", "Grupo"),
     QT_TRANSLATE_NOOP("summaryexport", "El grupo que escribió el alumno"), false, 8},
    {QT_TRANSLATE_NOOP("summaryexport", "Equipo"),
     QT_TRANSLATE_NOOP("summaryexport", "El ordenador desde el que se envió"), false, 11},
    {QT_TRANSLATE_NOOP("summaryexport", "Fecha"),
     QT_TRANSLATE_NOOP("summaryexport", "Cuándo se envió, en la hora del ordenador del alumno"),
     false, 17},
    {QT_TRANSLATE_NOOP("summaryexport", "Correcciones"),
     QT_TRANSLATE_NOOP("summaryexport", "Las veces que corrigió el tablero antes de enviar"), true,
     13},
    {QT_TRANSLATE_NOOP("summaryexport", "Aciertos"),
     QT_TRANSLATE_NOOP("summaryexport", "Aciertos de la última corrección"), true, 10},
    {QT_TRANSLATE_NOOP("summaryexport", "Mejor"),
     QT_TRANSLATE_NOOP("summaryexport", "Aciertos de la mejor corrección"), true, 8},
    {QT_TRANSLATE_NOOP("summaryexport", "Porcentaje"),
     QT_TRANSLATE_NOOP("summaryexport",
                       "Los aciertos sobre las casillas de las correcciones de este envío"),
     true, 12},
};

// In the order of PupilColumn: headings and explanations.
constexpr std::pair<const char *, const char *> kPupilColumns[kPupilColumnCount] = {
    {QT_TRANSLATE_NOOP("summaryexport", "Alumno"),
     QT_TRANSLATE_NOOP("summaryexport", "El nombre que escribió el alumno")},
    {QT_TRANSLATE_NOOP("summaryexport", "Grupo"),
     QT_TRANSLATE_NOOP("summaryexport", "El grupo que escribió el alumno")},
    {QT_TRANSLATE_NOOP("summaryexport", "Envíos"),
     QT_TRANSLATE_NOOP("summaryexport", "Las veces que el alumno pulsó «Enviar»")},
    {QT_TRANSLATE_NOOP("summaryexport", "Correcciones"),
     QT_TRANSLATE_NOOP("summaryexport", "Las veces que corrigió el tablero, en todos sus envíos")},
    {QT_TRANSLATE_NOOP("summaryexport", "Primera"),
     QT_TRANSLATE_NOOP("summaryexport", "El porcentaje de aciertos de su primera corrección")},
    {QT_TRANSLATE_NOOP("summaryexport", "Última"),
     QT_TRANSLATE_NOOP("summaryexport", "El porcentaje de aciertos de su última corrección")},
    {QT_TRANSLATE_NOOP("summaryexport", "Mejor %"),
     QT_TRANSLATE_NOOP("summaryexport", "El porcentaje de aciertos de su mejor corrección")},
};

// A name as the tables show it: a record with none is its own pupil, told by where and when
// it was sent.
QString shownName(const QString &pupil, const QString &machine, const QDateTime &sent)
{
    if (!pupil.isEmpty())
        return pupil;
    //: A record sent with no pupil's name: the machine and the time instead.
    return Texts::tr("(sin nombre: %1, %2)")
        .arg(machine, sent.toString(QStringLiteral("yyyy-MM-dd HH:mm")));
}

QString percentOrNothing(int percent)
{
    return percent < 0 ? QString() : ClassTable::percentText(percent);
}

const ColumnEntry &entry(Column column)
{
    return kColumns[int(column)];
}

QString cannotWrite(const QString &path, const QString &why)
{
    return Texts::tr("No se puede escribir «%1»: %2.").arg(QDir::toNativeSeparators(path), why);
}

// Page geometry in points (the writer's resolution is 72 per inch).
constexpr int kTitleSize = 16;
constexpr int kTextSize = 10;
constexpr int kRowSize = 9;
constexpr int kRowHeight = 14;

// Writes the pages one line at a time, starting a new page when the next line doesn't fit.
class PageWriter
{
public:
    PageWriter(QPdfWriter &writer, QPainter &painter) : writer_(writer), painter_(painter) {}

    int width() const { return painter_.viewport().width(); }
    bool fits(int height) const { return y_ + height <= painter_.viewport().height(); }
    void newPage()
    {
        writer_.newPage();
        y_ = 0;
    }

    void paragraph(const QString &text, const QFont &font, int gapAfter = 2)
    {
        painter_.setFont(font);
        painter_.setPen(Qt::black);
        const QRect bounds =
            painter_.boundingRect(QRect(0, y_, width(), 10000), Qt::TextWordWrap, text);
        if (!fits(bounds.height()))
            newPage();
        painter_.drawText(QRect(0, y_, width(), bounds.height()), Qt::TextWordWrap, text);
        y_ += bounds.height() + gapAfter;
    }

    void classTable(const records::Summary &summary)
    {
        const double scale = double(width()) / ClassTable::kSize.width();
        const int height = int(ClassTable::kSize.height() * scale) + 1;
        if (!fits(height))
            newPage();
        painter_.save();
        painter_.translate(0, y_);
        painter_.scale(scale, scale);
        ClassTable::paint(painter_, summary);
        painter_.restore();
        y_ += height + 8;
    }

    void tableRow(const QStringList &cells, bool heading, bool shaded)
    {
        if (!fits(kRowHeight))
            newPage();
        if (shaded)
            painter_.fillRect(QRect(0, y_, width(), kRowHeight),
                              QColor(heading ? 0xd8d8d8 : 0xf0f0f0));
        painter_.setFont(resources::sansSerif(kRowSize, heading));
        painter_.setPen(Qt::black);
        const QFontMetrics metrics = painter_.fontMetrics();
        int x = 0;
        for (int c = 0; c < kColumnCount; ++c) {
            const int columnWidth = width() * kColumns[c].printedShare / 100;
            const QRect cell(x + 3, y_, columnWidth - 6, kRowHeight);
            const Qt::Alignment alignment =
                (kColumns[c].number ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter;
            painter_.drawText(cell, alignment,
                              metrics.elidedText(cells.value(c), Qt::ElideRight, cell.width()));
            x += columnWidth;
        }
        y_ += kRowHeight;
    }

    // The pupils' table with its headings atop every page it runs on.
    void pupils(const std::vector<records::SummaryRow> &rows)
    {
        QStringList headings;
        for (int c = 0; c < kColumnCount; ++c)
            headings << heading(Column(c));
        if (!fits(2 * kRowHeight))
            newPage();
        tableRow(headings, true, true);
        bool shaded = false;
        for (const records::SummaryRow &row : rows) {
            if (!fits(kRowHeight)) {
                newPage();
                tableRow(headings, true, true);
                shaded = false;
            }
            QStringList cells;
            for (int c = 0; c < kColumnCount; ++c)
                cells << text(row, Column(c));
            tableRow(cells, false, shaded);
            shaded = !shaded;
        }
    }

private:
    QPdfWriter &writer_;
    QPainter &painter_;
    int y_ = 0;
};
} // namespace

QString heading(Column column)
{
    return QCoreApplication::translate("summaryexport", entry(column).heading);
}

QString explanation(Column column)
{
    return QCoreApplication::translate("summaryexport", entry(column).explanation);
}

bool isNumber(Column column)
{
    return entry(column).number;
}

QString heading(PupilColumn column)
{
    return QCoreApplication::translate("summaryexport", kPupilColumns[int(column)].first);
}

QString explanation(PupilColumn column)
{
    return QCoreApplication::translate("summaryexport", kPupilColumns[int(column)].second);
}

QString text(const records::PupilRow &row, PupilColumn column)
{
    switch (column) {
    case PupilColumn::Pupil:
        return shownName(row.pupil, row.machine, row.lastSent);
    case PupilColumn::Group:
        return row.group;
    case PupilColumn::FirstPercent:
        return percentOrNothing(row.firstPercent);
    case PupilColumn::LastPercent:
        return percentOrNothing(row.lastPercent);
    case PupilColumn::BestPercent:
        return percentOrNothing(row.bestPercent);
    default:
        return sortKey(row, column).toString();
    }
}

QVariant sortKey(const records::PupilRow &row, PupilColumn column)
{
    switch (column) {
    case PupilColumn::Sends:
        return row.sends;
    case PupilColumn::Corrections:
        return row.corrections;
    case PupilColumn::FirstPercent:
        return row.firstPercent;
    case PupilColumn::LastPercent:
        return row.lastPercent;
    case PupilColumn::BestPercent:
        return row.bestPercent;
    default:
        return text(row, column);
    }
}

QString text(const records::SummaryRow &row, Column column)
{
    switch (column) {
    case Column::Pupil:
        return shownName(row.pupil, row.machine, row.sent);
    case Column::Group:
        return row.group;
    case Column::Machine:
        return row.machine;
    case Column::Sent:
        // As the pupil's machine showed it, in the record's own offset, as in the CSV.
        return row.sent.toString(QStringLiteral("yyyy-MM-dd HH:mm"));
    case Column::Percent:
        return percentOrNothing(row.percent);
    default:
        return sortKey(row, column).toString();
    }
}

QVariant sortKey(const records::SummaryRow &row, Column column)
{
    switch (column) {
    case Column::Sent:
        return row.sent.toMSecsSinceEpoch();
    case Column::Corrections:
        return row.corrections;
    case Column::LastHits:
        return row.lastHits;
    case Column::BestHits:
        return row.bestHits;
    case Column::Percent:
        return row.percent;
    default:
        return text(row, column);
    }
}

QString missedLine(const records::Summary &summary, int n)
{
    return Texts::tr("%1 %2: %3")
        .arg(ClassTable::symbol(n, ClassTable::tableOf(summary)),
             ClassTable::name(n, ClassTable::tableOf(summary)),
             ClassTable::percentText(summary.elements.at(n).percentRight()));
}

std::optional<records::FolderRecords> readRecords(const QString &folder, QString *error)
{
    QString why;
    records::FolderRecords found = records::readFolder(folder, &why);
    if (why.isEmpty())
        return found;
    const QFileInfo info(folder);
    const QString shown = QDir::toNativeSeparators(folder);
    if (error)
        *error = !info.exists()  ? Texts::tr("La carpeta «%1» no existe.").arg(shown)
                 : !info.isDir() ? Texts::tr("«%1» no es una carpeta.").arg(shown)
                                 : Texts::tr("No se puede leer la carpeta «%1».").arg(shown);
    return std::nullopt;
}

QString skippedCount(qsizetype count)
{
    return count == 1 ? Texts::tr("1 registro no se ha podido leer")
                      : Texts::tr("%1 registros no se han podido leer").arg(count);
}

bool writeCsv(const std::vector<records::SummaryRow> &rows, const QString &path, QString *error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(records::csv(rows)) < 0 || !file.commit()) {
        if (error)
            *error = cannotWrite(path, file.errorString());
        return false;
    }
    return true;
}

bool writePdf(const records::Summary &summary, const QString &folder, const QString &filter,
              const QString &path, QString *error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error)
            *error = cannotWrite(path, file.errorString());
        return false;
    }
    const QString title = Texts::tr("Resumen de la clase");
    {
        QPdfWriter writer(&file);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
        writer.setResolution(72);
        writer.setTitle(title);
        writer.setCreator(QStringLiteral("Tabelora"));
        QPainter painter(&writer);
        if (!painter.isActive()) {
            if (error)
                *error = cannotWrite(path, file.errorString());
            return false;
        }
        PageWriter pages(writer, painter);
        pages.paragraph(title, resources::sansSerif(kTitleSize, true), 6);
        const QFont plain = resources::sansSerif(kTextSize);
        pages.paragraph(Texts::tr("Carpeta: %1").arg(QDir::toNativeSeparators(folder)), plain);
        pages.paragraph(
            Texts::tr("Fecha: %1")
                .arg(QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm"))),
            plain);
        if (!filter.isEmpty())
            pages.paragraph(filter, plain);
        pages.paragraph(Texts::tr("Registros: %1").arg(summary.rows.size()), plain, 10);
        pages.classTable(summary);
        QStringList missed;
        for (int n : summary.mostMissed(kMostMissed))
            missed << missedLine(summary, n);
        if (!missed.isEmpty())
            pages.paragraph(
                Texts::tr("Los más fallados: %1").arg(missed.join(QStringLiteral("; "))), plain,
                10);
        pages.pupils(summary.rows);
    }
    if (!file.commit()) {
        if (error)
            *error = cannotWrite(path, file.errorString());
        return false;
    }
    return true;
}

} // namespace summaryexport
