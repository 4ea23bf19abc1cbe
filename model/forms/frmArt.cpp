#include "model/forms/frmArt.h"
#include "ui_frmArt.h"

#include "common/error.h"
#include "common/numbers.h"
#include "model/batchimport.h"
#include "model/forms/batchprint.h"
#include "model/state.h"
#include "platform/forms/waitcursor.h"
#include "platform/prompts.h"

#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <exception>
#include <new>
#include <optional>

namespace {

// The numeric value of a box's text: its leading number, 0 when it has none.
double numericValue(const QLineEdit *box)
{
    return zova::LeadingNumber(box->text());
}

QString numberText(double value)
{
    return QString::number(value, 'g', 15);
}

// A whole number for a 16-bit field, rounded half to even; nothing when it does not fit.
std::optional<int16_t> int16Value(double value)
{
    try {
        return zova::RoundToInt16(value);
    } catch (const zova::Error &) {
        return std::nullopt;
    }
}

// Names the files that look like another encoding read as DOS and asks whether to import them
// all the same.
bool mayImportMisread(const std::vector<model::BatchImport::MisreadFile> &files, int mode)
{
    QStringList names;
    bool win = false, utf8 = false;
    for (const model::BatchImport::MisreadFile &f : files) {
        const bool isUtf8 = f.look == model::TextsLook::Utf8;
        names << f.name + (isUtf8 ? QStringLiteral(" — UTF-8") : QStringLiteral(" — WIN"));
        (isUtf8 ? utf8 : win) = true;
    }
    QStringList advice;
    if (win && mode == model::BatchIn4)
        advice << QStringLiteral("Файли в кодуванні WIN можна відкрити по одному з фільтром «Обмінні файли (*.in4)- WIN».");
    if (utf8 || mode != model::BatchIn4)
        advice << QStringLiteral("Файли можна зберегти в кодуванні DOS (866) та імпортувати знову.");
    const QString text =
        QStringLiteral("Схоже, ці файли записано не в кодуванні DOS, а пакетний імпорт читає файли лише в "
                       "ньому: в іменах і назвах будуть знаки, яких не буває в українському тексті:\n\n%1\n\n%2"
                       "\n\nІмпортувати файли все одно?")
            .arg(names.join(QLatin1Char('\n')), advice.join(QLatin1Char('\n')));
    // Enter answers "Скасувати": a hurried key press keeps the parcels loaded before.
    const platform::MessageRequest request{text, platform::productTitle(), platform::MsgIcon::Exclamation,
                                           platform::MsgButtons::OkCancel, platform::MsgAnswer::Cancel};
    return platform::prompts().message(request) == platform::MsgAnswer::Ok;
}

} // namespace

frmArt::frmArt(BatchHooks hooks, QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::frmArt>()), m_hooks(std::move(hooks))
{
    ui->setupUi(this);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    m_mode = model::state().BatchMode;
    if (m_mode < model::BatchContour || m_mode > model::BatchPrint)
        m_mode = model::BatchContour;

    connect(ui->Dir1, &QLineEdit::editingFinished, this, &frmArt::Dir1_Typed);
    // Enter in the folder box shows the folder; it must not also press the default button and start
    // the work on files the operator has not seen yet.
    ui->Dir1->installEventFilter(this);
    connect(ui->bDir, &QToolButton::clicked, this, &frmArt::bDir_Click);
    connect(ui->aFile, &QListWidget::currentItemChanged, this,
            [this](QListWidgetItem *item) { aFile_Click(item); });
    connect(ui->tPage, &QLineEdit::textChanged, this, &frmArt::tPage_Change);
    connect(ui->UpDown1_Up, &QToolButton::clicked, this, &frmArt::UpDown1_UpClick);
    connect(ui->UpDown1_Down, &QToolButton::clicked, this, &frmArt::UpDown1_DownClick);
    connect(ui->Command1, &QPushButton::clicked, this, &frmArt::Command1_Click);
    connect(ui->Command2, &QPushButton::clicked, this, &frmArt::Command2_Click);

    // What the command that opens the dialog sets for its mode.
    setWindowTitle(QStringLiteral("Виберіть каталог з файлами ") + model::BatchPattern(m_mode));
    const bool printing = m_mode == model::BatchPrint;
    ui->frPrint->setEnabled(printing);
    if (printing) {
        ui->Command1->setText(QStringLiteral("Друкувати"));
        ui->chAll->setEnabled(false); // every document of the folder is printed
    }

    m_batchFileName.clear();
    ui->lProgr->clear();
    ui->lProgr->repaint();
    Dir1_Change(QDir::currentPath());
}

frmArt::~frmArt() = default;

bool frmArt::Dir1_Change(const QString &path)
{
    const QString clean = QDir::cleanPath(QDir::fromNativeSeparators(path));
    const QFileInfo info(clean);
    if (clean.isEmpty() || !info.isDir() || !info.isReadable() || !info.isExecutable()) {
        platform::MsgBox(QStringLiteral("Не вдається прочитати каталог:\n%1").arg(QDir::toNativeSeparators(path)),
                         platform::productTitle(), platform::MsgIcon::Exclamation);
        ui->Dir1->setText(QDir::toNativeSeparators(m_folder));
        return false;
    }
    m_folder = info.absoluteFilePath();
    ui->Dir1->setText(QDir::toNativeSeparators(m_folder));
    // A name chosen in another folder means nothing here.
    m_batchFileName.clear();
    ui->aFile->clear();
    ui->aFile->addItems(model::BatchFiles(m_folder, m_mode));
    return true;
}

void frmArt::Dir1_Typed()
{
    if (QDir::cleanPath(QDir::fromNativeSeparators(ui->Dir1->text())) != m_folder)
        Dir1_Change(ui->Dir1->text());
}

bool frmArt::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ui->Dir1 && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            Dir1_Typed();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void frmArt::bDir_Click()
{
    const std::optional<QString> chosen =
        platform::prompts().chooseFolder(QStringLiteral("Виберіть каталог"), m_folder);
    if (chosen)
        Dir1_Change(*chosen);
}

void frmArt::aFile_Click(QListWidgetItem *item)
{
    if (item)
        m_batchFileName = item->text();
}

void frmArt::tPage_Change()
{
    if (numericValue(ui->tPage) == 0)
        ui->tPage->setText(QStringLiteral("1"));
}

void frmArt::UpDown1_UpClick()
{
    ui->tCopy->setText(numberText(numericValue(ui->tCopy) + 1));
}

void frmArt::UpDown1_DownClick()
{
    const double copies = numericValue(ui->tCopy);
    if (copies <= 0)
        return;
    ui->tCopy->setText(copies - 1 == 0 ? QStringLiteral("1") : numberText(copies - 1));
}

QStringList frmArt::listedFiles() const
{
    QStringList names;
    for (int i = 0; i < ui->aFile->count(); ++i)
        names << ui->aFile->item(i)->text();
    return names;
}

void frmArt::Command1_Click()
{
    const QStringList listed = listedFiles();
    QStringList names;
    if (m_mode == model::BatchPrint || ui->chAll->isChecked())
        names = listed;
    else if (listed.contains(m_batchFileName))
        names = QStringList{m_batchFileName};

    if (names.isEmpty()) {
        const QString text = listed.isEmpty()
                                 ? QStringLiteral("У каталозі немає файлів %1.").arg(model::BatchPattern(m_mode))
                                 : QStringLiteral("Виберіть файл у списку або позначте «Взяти всі файли».");
        platform::MsgBox(text, platform::productTitle(), platform::MsgIcon::Exclamation);
        return;
    }

    if (m_mode == model::BatchPrint) {
        const std::optional<int16_t> copies = int16Value(numericValue(ui->tCopy));
        const std::optional<int16_t> page = int16Value(numericValue(ui->tPage));
        if (!copies) {
            platform::MsgBox(QStringLiteral("Кількість примірників має бути не більше 32767."),
                             platform::productTitle(), platform::MsgIcon::Exclamation);
            return;
        }
        if (!page || *page < 1) {
            platform::MsgBox(QStringLiteral("Номер сторінки має бути від 1 до 32767."), platform::productTitle(),
                             platform::MsgIcon::Exclamation);
            return;
        }
        m_printCopies = *copies;
        m_printPage = *page;
    }

    m_batchFolder = m_folder.endsWith(QLatin1Char('/')) ? m_folder : m_folder + QLatin1Char('/');
    {
        platform::WaitCursor wait;
        if (m_mode == model::BatchPrint)
            PrintDocuments(m_batchFolder, names, ui->r1->isChecked());
        else
            ReadImportFiles(m_batchFolder, names);
    }
    accept();
}

void frmArt::Command2_Click()
{
    reject();
}

void frmArt::ReadImportFiles(const QString &folder, const QStringList &names)
{
    model::BatchImport import;
    try {
        import = model::ImportBatch(folder, names, m_mode, this);
    } catch (const zova::Error &e) {
        platform::MsgBox(QStringLiteral("Файли не імпортовано.\n") + e.fullText(), platform::productTitle(),
                         platform::MsgIcon::Critical);
        return;
    } catch (const std::bad_alloc &) {
        platform::MsgBox(QStringLiteral("Файли не імпортовано.\nНе вистачає пам'яті, щоб прочитати вибрані файли."),
                         platform::productTitle(), platform::MsgIcon::Critical);
        return;
    } catch (const std::exception &e) {
        platform::MsgBox(QStringLiteral("Файли не імпортовано.\n%1").arg(QString::fromLocal8Bit(e.what())),
                         platform::productTitle(), platform::MsgIcon::Critical);
        return;
    }
    // The batch reads its files in the DOS code page only: a file in another encoding would bring
    // its names in as nonsense without a word.
    if (!import.Misread.empty() && !mayImportMisread(import.Misread, m_mode))
        return;
    const QString status = import.Result.StatusText;
    const int skipped = import.Result.SkippedLines;
    const QString firstSkipped = import.FirstSkippedAt;

    model::CommitBatch(std::move(import));
    if (m_hooks.ClearPicture)
        m_hooks.ClearPicture();
    if (m_hooks.EnableMainControls)
        m_hooks.EnableMainControls();
    if (m_hooks.RebuildMainTree)
        m_hooks.RebuildMainTree();
    if (m_hooks.SetStatusText)
        m_hooks.SetStatusText(status);
    if (skipped > 0)
        platform::MsgBox(QStringLiteral("Рядків без пікету пропущено: %1.\nПерший з них: %2.").arg(skipped).arg(firstSkipped),
                         platform::productTitle(), platform::MsgIcon::Exclamation);
}

void frmArt::PrintDocuments(const QString &folder, const QStringList &names, bool ascending)
{
    setPhase(QStringLiteral("Друкуємо..."));
    const model::BatchPrintReport report =
        model::BatchPrintDocs(folder, names, ascending, m_printPage, m_printCopies,
                              [this](int i, int n, const QString &name) {
                                  setPhase(QStringLiteral("Друкуємо... %1 з %2: %3").arg(i).arg(n).arg(name));
                              });
    const QString title = QStringLiteral("!!!");
    if (report.NoPrinter) {
        platform::MsgBox(QStringLiteral("У системі друку немає принтера за замовчуванням. Документи не надруковано."),
                         title, platform::MsgIcon::Critical);
    } else if (!report.Failed.empty()) {
        platform::MsgBox(report.FailureText(), title, platform::MsgIcon::Critical);
    }
}

void frmArt::setPhase(const QString &text)
{
    ui->lProgr->setText(text);
    ui->lProgr->repaint();
}
