#include "frmdisplay.h"

#include "autosize.h"
#include "forms.h"
#include "frmabout.h"
#include "frmexitscreen.h"
#include "frmmain.h"
#include "look.h"
#include "modhelp.h"
#include "showreading.h"
#include "signpicturelist.h"
#include "signtable.h"
#include "tabstripstyle.h"

#include "ui_frmDisplay.h"
#include "version.h"

#include <QCloseEvent>
#include <QLayout>
#include <QPlainTextEdit>
#include <QPointer>
#include <QScrollBar>
#include <QTabBar>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

namespace amorisk {

FrmDisplay::FrmDisplay() : FormWindow(FormId::frmDisplay), ui(std::make_unique<Ui::frmDisplay>())
{
    ui->setupUi(this);
    // The layout holds the name alone; the version comes from the build.
    setWindowTitle(QStringLiteral(AMORISK_TITLE));
    ui->mnuSep1->setSeparator(true);
    ui->mnuSep2->setSeparator(true);
    useClassicColours(this);
    usePixelFonts(this);
    // The row of tabs is the one part a palette and a font cannot draw as
    // the layout shows it; one shared style draws it for every reading.
    ui->SSTab1->tabBar()->setStyle(tabStripStyle());
    ui->SSTab1->tabBar()->setDrawBase(false);
    // The text boxes' scroll bars keep the classic face. A text's lines
    // keep their shaped glyphs, so a reading's text is shaped once when laid
    // out, not again for the cursor and for every paint. The document
    // announces a change just before its layout runs.
    for (QPlainTextEdit *box :
         {ui->txtSunSignPositiveTraits, ui->txtSunSignNegativeTraits, ui->txtLoveProfile}) {
        box->verticalScrollBar()->setPalette(classicPalette());
        QTextDocument *text = box->document();
        connect(text, &QTextDocument::contentsChange, box, [text] {
            for (QTextBlock block = text->begin(); block.isValid(); block = block.next())
                block.layout()->setCacheEnabled(true);
        });
    }
    // Polish now, so the long texts a reading writes are laid out once in
    // their final font rather than again at show.
    ensurePolished();
    fitAutoSizeCaptions(this);

    layout()->setSizeConstraint(QLayout::SetFixedSize);
    // The layout's picture is position 11 at 200 pixels; a denser screen
    // shows its sharp copy.
    if (devicePixelRatioF() > 1)
        ui->picSunSign->setPixmap(SignPictureList().picture(11, devicePixelRatioF()));
    for (const QLabel *value : valueCaptions())
        m_layoutValues << value->text();
    m_layoutPicture = ui->picSunSign->pixmap();
    m_layoutPictureName = ui->picSunSign->accessibleName();
    // The bottom panel comes first in tab order but takes no focus. The
    // layout orders only the pages' controls: creation order already puts
    // cmdBack before the tab control, and ordering the tab control itself
    // would tear the focus chain through its own descendants.
    ui->cmdBack->setFocus();

    connect(ui->SSTab1, &QTabWidget::currentChanged, this, &FrmDisplay::writeRomance);
    connect(ui->cmdBack, &QPushButton::clicked, this, &FrmDisplay::cmdBack_Click);
    connect(ui->mnuBack, &QAction::triggered, this, &FrmDisplay::cmdBack_Click);
    connect(ui->mnuExit, &QAction::triggered, this, &FrmDisplay::mnuExit_Click);
    connect(ui->mnuAbout, &QAction::triggered, this, &FrmDisplay::mnuAbout_Click);
    connectSharedLinks(this);
}

FrmDisplay::~FrmDisplay() = default;

void FrmDisplay::Form_Unload()
{
    // Back hides the exit screen again straight after; showing it in between
    // would only map and unmap a window. Loading it is what remains.
    if (m_goingBack)
        Forms::frmExitScreen();
    else
        Forms::frmExitScreen()->show();
}

void FrmDisplay::setSunSign(const QString &name)
{
    setCaption(ui->lblSunSign, name);
}

void FrmDisplay::setProfile(const reading::SignProfile &row, const QPixmap &picture)
{
    setCaption(ui->lblSunSignElement, QLatin1String(row.element));
    setCaption(ui->lblSunSignNumber, QLatin1String(row.luckyNumber));
    setCaption(ui->lblSunSignDay, QLatin1String(row.luckyDay));
    setCaption(ui->lblSunSignCompatibility, QLatin1String(row.compatibility));
    setCaption(ui->lblSunSignBirthStone, QLatin1String(row.birthstone));
    ui->txtSunSignPositiveTraits->setPlainText(QLatin1String(row.positiveTraits));
    ui->txtSunSignNegativeTraits->setPlainText(QLatin1String(row.negativeTraits));
    ui->picSunSign->setPixmap(picture);
    ui->picSunSign->setAccessibleName(QLatin1String(row.name));
    // The romance profile is on the tab behind: it is laid out once the
    // window has painted, or when its tab comes first, not while the user
    // waits for the reading.
    m_romance = QLatin1String(row.romanceProfile);
    if (ui->SSTab1->currentWidget() == ui->tabRomance)
        writeRomance();
    else
        Forms::afterPaint(this, [window = QPointer<FrmDisplay>(this)] {
            if (window)
                window->writeRomance();
        });
}

void FrmDisplay::showSign(const QString &name, const reading::SignProfile *row,
                          const QPixmap &picture)
{
    setSunSign(name);
    if (row) {
        setProfile(*row, picture);
    } else {
        // A window filled ahead for another sign goes back to its layout.
        const QList<QLabel *> values = valueCaptions();
        for (int i = 0; i < values.size(); ++i)
            setCaption(values[i], m_layoutValues.value(i));
        for (QPlainTextEdit *box :
             {ui->txtSunSignPositiveTraits, ui->txtSunSignNegativeTraits, ui->txtLoveProfile})
            box->clear();
        m_romance = QString();
        ui->picSunSign->setPixmap(m_layoutPicture);
        ui->picSunSign->setAccessibleName(m_layoutPictureName);
    }
    m_shownSign = name;
    m_showsSign = true;
}

bool FrmDisplay::showsSign(const QString &name) const
{
    return m_showsSign && m_shownSign == name;
}

QList<QLabel *> FrmDisplay::valueCaptions() const
{
    return {ui->lblSunSignElement, ui->lblSunSignNumber, ui->lblSunSignDay,
            ui->lblSunSignCompatibility, ui->lblSunSignBirthStone};
}

void FrmDisplay::writeRomance()
{
    if (m_romance.isNull())
        return;
    ui->txtLoveProfile->setPlainText(m_romance);
    m_romance = QString();
}

void FrmDisplay::cmdBack_Click()
{
    FrmMain *main = Forms::frmMain();
    // This window is deleted, and the next reading's window built, once the
    // input window has painted: the user does not wait for either.
    Forms::deleteAfterPaint(FormId::frmDisplay, main);
    m_goingBack = true;
    main->show();
    Forms::unload(FormId::frmDisplay);
    Forms::afterPaint(main, PrepareNextReading);
    // Back is not leaving the program: the exit screen stays hidden.
    Forms::frmExitScreen()->hide();
}

void FrmDisplay::mnuExit_Click()
{
    Forms::unload(FormId::frmDisplay);
}

void FrmDisplay::mnuAbout_Click()
{
    Forms::frmAbout()->exec();
}

} // namespace amorisk
