#include "app/summaryexport.h"

#include "app/classtable.h"
#include "app/resources.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFontMetrics>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

#if defined(Q_OS_UNIX)
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

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

QString notRegular()
{
    return Texts::tr("No es un fichero normal");
}

#if defined(Q_OS_UNIX)
// Where a file written to `path` lands: the path itself, or the file a link there names
// through any chain of links, which may not be there yet. Anything else there, a link loop
// included, is no file to write: a device, a pipe or a folder is never replaced.
struct Target
{
    QByteArray path;
    bool exists = false;
    struct stat status = {};
};

std::optional<Target> resolve(const QString &path, QString *why)
{
    // As many links as the system follows before it calls them a loop.
    constexpr int kMostLinks = 40;
    Target target{records::nativePath(path)};
    for (int hops = 0;; ++hops) {
        if (::lstat(target.path.constData(), &target.status) != 0) {
            if (errno == ENOENT)
                return target;
            *why = qt_error_string(errno);
            return std::nullopt;
        }
        if (!S_ISLNK(target.status.st_mode)) {
            if (!S_ISREG(target.status.st_mode)) {
                *why = notRegular();
                return std::nullopt;
            }
            target.exists = true;
            return target;
        }
        if (hops == kMostLinks) {
            *why = notRegular();
            return std::nullopt;
        }
        QByteArray link(PATH_MAX, Qt::Uninitialized);
        const ssize_t length =
            ::readlink(target.path.constData(), link.data(), size_t(link.size()));
        if (length < 0) {
            *why = qt_error_string(errno);
            return std::nullopt;
        }
        link.truncate(length);
        if (!link.startsWith('/'))
            link.prepend(target.path.left(target.path.lastIndexOf('/') + 1));
        target.path = link;
    }
}

QByteArray folderOf(const QByteArray &path)
{
    const qsizetype slash = path.lastIndexOf('/');
    return slash < 0 ? QByteArray(".") : slash == 0 ? QByteArray("/") : path.left(slash);
}

// The path of the target's folder with every link and "." or ".." resolved, and its name.
QByteArray canonical(const Target &target)
{
    const QByteArray folder = folderOf(target.path);
    char *real = ::realpath(folder.constData(), nullptr);
    if (!real)
        return target.path;
    QByteArray whole = QByteArray(real) + '/' + target.path.mid(target.path.lastIndexOf('/') + 1);
    std::free(real);
    return whole;
}

// Writes the bytes under a temporary name beside the target, then renames it over the target,
// so that the file is whole or as it was. A file replaced keeps its permissions.
bool writeWhole(const QString &path, const QByteArray &bytes, QString *error)
{
    QString why;
    const auto fail = [&](const QString &reason) {
        if (error)
            *error = cannotWrite(path, reason);
        return false;
    };
    const std::optional<Target> target = resolve(path, &why);
    if (!target)
        return fail(why);
    QByteArray temporary = folderOf(target->path) + "/.tabelora-XXXXXX.tmp";
    const int fd = ::mkostemps(temporary.data(), 4, O_CLOEXEC);
    if (fd < 0)
        return fail(qt_error_string(errno));
    const auto abandon = [&](int reason) {
        ::close(fd);
        ::unlink(temporary.constData());
        return fail(qt_error_string(reason));
    };
    mode_t mode = target->status.st_mode & 07777;
    if (!target->exists) {
        // A new file gets what the user's mask leaves of read and write for all, as any
        // program's new file does; the mask can only be read by setting it.
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }
    if (::fchmod(fd, mode) != 0)
        return abandon(errno);
    for (qsizetype written = 0; written < bytes.size();) {
        const ssize_t done =
            ::write(fd, bytes.constData() + written, size_t(bytes.size() - written));
        if (done < 0 && errno == EINTR)
            continue;
        if (done < 0)
            return abandon(errno);
        written += done;
    }
    if (::fsync(fd) != 0)
        return abandon(errno);
    if (::close(fd) != 0) {
        const int reason = errno;
        ::unlink(temporary.constData());
        return fail(qt_error_string(reason));
    }
    if (::rename(temporary.constData(), target->path.constData()) != 0) {
        const int reason = errno;
        ::unlink(temporary.constData());
        return fail(qt_error_string(reason));
    }
    return true;
}
#else
bool writeWhole(const QString &path, const QByteArray &bytes, QString *error)
{
    const QFileInfo info(path);
    if ((info.exists() || info.isSymLink()) && !info.isFile()) {
        if (error)
            *error = cannotWrite(path, notRegular());
        return false;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) < 0 || !file.commit()) {
        if (error)
            *error = cannotWrite(path, file.errorString());
        return false;
    }
    return true;
}
#endif

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
    records::FolderRecords found = records::readFolder(folder);
    const QString shown = QDir::toNativeSeparators(folder);
    switch (found.problem) {
    case records::FolderProblem::None:
        return found;
    case records::FolderProblem::Missing:
        *error = Texts::tr("La carpeta «%1» no existe.").arg(shown);
        break;
    case records::FolderProblem::NotAFolder:
        *error = Texts::tr("«%1» no es una carpeta.").arg(shown);
        break;
    case records::FolderProblem::Unreadable:
        *error = Texts::tr("No se puede leer la carpeta «%1».").arg(shown);
        break;
    }
    return std::nullopt;
}

bool sameFile(const QString &a, const QString &b)
{
#if defined(Q_OS_UNIX)
    QString why;
    const std::optional<Target> first = resolve(a, &why), second = resolve(b, &why);
    if (!first || !second)
        return false;
    if (first->exists && second->exists)
        return first->status.st_dev == second->status.st_dev &&
               first->status.st_ino == second->status.st_ino;
    return canonical(*first) == canonical(*second);
#else
    const auto whole = [](const QString &path) {
        const QFileInfo info(path);
        return info.exists() ? info.canonicalFilePath() : info.absoluteFilePath();
    };
    return whole(a).compare(whole(b), Qt::CaseInsensitive) == 0;
#endif
}

QString sameFileText(const QString &path)
{
    //: --csv and --pdf stay as they are.
    return Texts::tr("--csv y --pdf no pueden escribir el mismo fichero: «%1».")
        .arg(QDir::toNativeSeparators(path));
}

QString skippedCount(qsizetype count)
{
    return count == 1 ? Texts::tr("1 registro no se ha podido leer")
                      : Texts::tr("%1 registros no se han podido leer").arg(count);
}

bool writeCsv(const std::vector<records::SummaryRow> &rows, const QString &path, QString *error)
{
    // The headings are the window's own columns, in the program's language.
    QStringList headings;
    for (int c = 0; c < kColumnCount; ++c)
        headings << heading(Column(c));
    return writeWhole(path, records::csv(rows, headings), error);
}

bool writePdf(const records::Summary &summary, const QString &folder, const QString &filter,
              const QString &path, QString *error)
{
    // Made in memory, then written whole as the CSV is.
    QBuffer file;
    file.open(QIODevice::WriteOnly);
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
    return writeWhole(path, file.data(), error);
}

} // namespace summaryexport
