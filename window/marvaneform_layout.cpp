// The main window's controls: where each one sits and what it says. The window wires them.
#include "window/marvaneform_layout.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPainter>
#include <QSpinBox>
#include <QToolButton>
#include <algorithm>

#include "kurl2/KURL2.h"
#include "settings/options.h"
#include "window/art/buttonart.h"
#include "window/art/rulesart.h"
#include "window/boardimage.h"
#include "window/flatcontrols.h"
#include "window/fonts.h"
#include "window/gametexts.h"
#include "window/optionspanel.h"
#include "window/picturespacing.h"
#include "window/rulespage.h"
#include "window/sidepanel.h"
#include "window/translations.h"

namespace marvane {

namespace {

const QColor kAqua(0, 255, 255);
const QColor kLime(0, 255, 0);

void setTextColour(QWidget* widget, const QColor& colour, const QColor& background = QColor()) {
    QPalette palette = widget->palette();
    for (auto role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
        palette.setColor(role, colour);
    if (background.isValid()) {
        for (auto role : {QPalette::Window, QPalette::Base, QPalette::Button})
            palette.setColor(role, background);
        widget->setAutoFillBackground(true);
    }
    widget->setPalette(palette);
}

QLabel* makeLabel(QWidget* parent, const char* name, const QRect& geometry, const QString& caption,
                  const QFont& font, const QColor& colour = QColor()) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(name);
    label->setGeometry(geometry);
    label->setFont(font);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // A translated caption may run past the width designed for the English one, into the free
    // room beside it; the fitting test checks that room. The English captions keep their widths.
    if (translationInstalled() && label->sizeHint().width() > geometry.width())
        label->resize(label->sizeHint().width(), geometry.height());
    if (colour.isValid()) setTextColour(label, colour);
    return label;
}

// The labels' widths fit their captions in the window's faces as Linux draws them, with
// fractional advances. Qt's GDI font engine on Windows rounds each character's advance to whole
// pixels, which makes "Remaining" 78 pixels wide rather than 76 and would cut off its last
// letter: there a label grows to fit its caption.
void fitCaption(QLabel* label) {
#ifdef Q_OS_WIN
    const QFontMetrics metrics = label->fontMetrics();
    const int width = std::max(metrics.horizontalAdvance(label->text()),
                               metrics.boundingRect(label->text()).right() + 1);
    if (width > label->width()) label->resize(width, label->height());
#else
    Q_UNUSED(label);
#endif
}

// A flat speed button: no focus, a border only while the mouse is over it, a hint on hover. Its
// caption takes its parent's text colour unless given one of its own.
QToolButton* makeButton(QWidget* parent, const char* name, const QRect& geometry,
                        const QString& caption, const QString& hint, const QFont& font,
                        const QColor& colour = QColor()) {
    auto* button = new FlatButton(parent);
    button->setObjectName(name);
    button->setGeometry(geometry);
    button->setText(caption);
    button->setToolTip(hint);
    button->setAccessibleDescription(hint.isEmpty() ? caption : hint);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    button->setFont(font);
    if (colour.isValid()) setTextColour(button, colour);
    return button;
}

// White on black like the client area it lies on, with a sunken two-pixel edge, as edit boxes
// have always had, or none at all.
QLineEdit* makeBox(QWidget* parent, const char* name, const QRect& geometry, const QString& text,
                   const QFont& font, bool border) {
    auto* box = new FlatBox(text, border, parent);
    box->setObjectName(name);
    box->setGeometry(geometry);
    box->setFont(font);
    box->setReadOnly(true);
    box->setFocusPolicy(Qt::ClickFocus);  // never reached by the Tab key
    return box;
}

QCheckBox* makeCheckBox(QWidget* parent, const char* name, const QRect& geometry,
                        const QString& caption, bool checked) {
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(name);
    box->setGeometry(geometry);
    box->setChecked(checked);
    box->setAccessibleName(caption.trimmed());
    box->setFont(pixelFont("MS Sans Serif", 16));
    // White caption on black, and a white box with a black tick so the box itself shows.
    QPalette palette = box->palette();
    palette.setColor(QPalette::WindowText, Qt::white);
    palette.setColor(QPalette::Window, Qt::black);
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::Text, Qt::black);
    box->setPalette(palette);
    return box;
}

// The rules panel paints its parchment background stretched over its whole area.
class RulesBackdrop : public QFrame {
public:
    using QFrame::QFrame;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        paintRulesBackground(painter, QRectF(rect()));
    }
};

// A black panel with its own caption drawn at its centre in the window-text colour.
class CaptionPanel : public QFrame {
public:
    CaptionPanel(const QString& caption, QWidget* parent) : QFrame(parent), caption_(caption) {}

protected:
    void paintEvent(QPaintEvent* event) override {
        QFrame::paintEvent(event);
        QPainter painter(this);
        painter.setPen(QPalette().color(QPalette::WindowText));
        painter.drawText(rect(), Qt::AlignCenter, caption_);
    }

private:
    QString caption_;
};

}  // namespace

BoardImage* buildClientAndBoard(QMainWindow& window) {
    auto* client = new QWidget(&window);
    client->setObjectName("client");
    // White on black, for the buttons and boxes on it to take rather than each holding its own
    // copy of the same colours.
    setTextColour(client, Qt::white, Qt::black);
    window.setCentralWidget(client);

    auto* Panel1 = new QFrame(client);
    Panel1->setObjectName("Panel1");
    Panel1->setGeometry(8, 8, 425, 441);
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel1->setLineWidth(4);
    Panel1->setAutoFillBackground(true);
    auto* Image3 = new BoardImage(Panel1);
    Image3->move(4, 4);
    return Image3;
}

SidePanel::SidePanel(QWidget* client, qreal devicePixelRatio) {
    const QFont sans16 = pixelFont("MS Sans Serif", 16);
    QLabel* const captions[] = {
        makeLabel(client, "Label4", {520, 24, 153, 38}, "Marvane", pixelFont("Serpentine", 35),
                  kAqua),
        makeLabel(client, "Label5", {464, 328, 64, 29}, tr("Score"), pixelFont("MS Sans Serif", 24),
                  kLime),
        makeLabel(client, "Label1", {616, 344, 46, 20}, tr("Moves"), sans16),
        // As designed, before the first game: White and Black (colours 1 and 2).
        C1Lab =
            makeLabel(client, "C1Lab", {464, 378, 41, 20}, translatedColour(1, Box::C1Lab), sans16),
        c2lab =
            makeLabel(client, "c2lab", {464, 412, 39, 20}, translatedColour(2, Box::c2lab), sans16),
        makeLabel(client, "Label6", {584, 378, 76, 20}, tr("Remaining"), sans16),
        makeLabel(client, "Label7", {624, 412, 33, 20}, tr("Won"), sans16)};
    captions[6]->setAutoFillBackground(true);  // "Won"
    for (QLabel* label : captions) fitCaption(label);

    const QFont optimum = pixelFont("Optimum", 16);
    auto button = [&](const char* name, QRect geometry, const char* caption, const char* hint,
                      ButtonPicture picture) {
        QToolButton* b = makeButton(client, name, geometry, tr(caption), tr(hint), optimum);
        b->setIcon(buttonIcon(picture, devicePixelRatio));
        b->setIconSize(picture == ButtonPicture::Restart
                           ? QSize(kRestartPictureSize, kRestartPictureSize)
                           : QSize(kGlyphSize, kGlyphSize));
        return b;
    };
    SpeedButton1 = button("SpeedButton1", {480, 80, 100, 33}, QT_TR_NOOP("quit"),
                          QT_TR_NOOP("Leave  Marvane"), ButtonPicture::Quit);
    FinishButton = button("FinishButton", {600, 80, 100, 33}, QT_TR_NOOP("finish"),
                          QT_TR_NOOP("Who won ?"), ButtonPicture::Finish);
    restart = button("restart", {480, 120, 100, 33}, QT_TR_NOOP("restart"),
                     QT_TR_NOOP("Start a new game"), ButtonPicture::Restart);
    SpeedButton3 = button("SpeedButton3", {600, 120, 100, 33}, QT_TR_NOOP("rules"),
                          QT_TR_NOOP("The rules of Marvane"), ButtonPicture::Rules);
    Options = button("Options", {600, 160, 100, 33}, QT_TR_NOOP("options"),
                     QT_TR_NOOP("Show Marvane Options"), ButtonPicture::Options);
    EasyButton = button("EasyButton", {480, 200, 100, 33}, QT_TR_NOOP("Easy"),
                        QT_TR_NOOP("Select computer skill level"), ButtonPicture::Level);
    Players = button("Players", {600, 200, 100, 33}, QT_TR_NOOP("2 players"),
                     QT_TR_NOOP("Select number of players"), ButtonPicture::Players);
    auto* spacing = new PictureSpacingStyle(1, 5);
    spacing->setParent(Players);
    Players->setStyle(spacing);

    const QFont times24 = pixelFont("Times New Roman", 24);
    MessageBox = makeBox(client, "MessageBox", {464, 288, 209, 30}, tr("Position your  piece"),
                         times24, false);
    // As designed, before the first game: Red (colour 3).
    GoBox = makeBox(client, "GoBox", {672, 288, 81, 30}, translatedColour(3, Box::GoBox), times24,
                    false);
    MoveBox = makeBox(client, "MoveBox", {688, 344, 33, 28}, "", sans16, true);
    WhiteScore = makeBox(client, "WhiteScore", {520, 376, 33, 28}, "", sans16, true);
    BlackScore = makeBox(client, "BlackScore", {520, 408, 33, 28}, "", sans16, true);
    remain = makeBox(client, "remain", {688, 376, 33, 28}, "", sans16, true);
    Edit3 = makeBox(client, "Edit3", {688, 408, 33, 28}, "", sans16, true);
    Edit3->setReadOnly(false);  // it takes typing, which changes nothing

    const std::pair<QLineEdit*, const char*> names[] = {{MessageBox, QT_TR_NOOP("Message")},
                                                        {GoBox, QT_TR_NOOP("To play")},
                                                        {MoveBox, QT_TR_NOOP("Moves")},
                                                        {WhiteScore, QT_TR_NOOP("White score")},
                                                        {BlackScore, QT_TR_NOOP("Black score")},
                                                        {remain, QT_TR_NOOP("Remaining")},
                                                        {Edit3, QT_TR_NOOP("Won")}};
    for (auto [box, name] : names) box->setAccessibleName(tr(name));
}

RulesPage::RulesPage(QWidget* client, QWidget* above) {
    RulesPanel = new RulesBackdrop(client);
    RulesPanel->setObjectName("RulesPanel");
    RulesPanel->setGeometry(440, 10, 297, 440);
    RulesPanel->hide();
    // Its texts are all in the usual text colour on the parchment; they take it from the panel.
    setTextColour(RulesPanel, QPalette().color(QPalette::WindowText));
    // Sized by hand: measuring it would load its face at start-up, long before anyone reads it.
    makeLabel(RulesPanel, "Label8", {48, 56, 240, 32}, tr("The Rules of Marvane"),
              pixelFont("Balthazar", 27));
    RulesPanel->setAccessibleName(tr("The Rules of Marvane"));
    QuitRules = makeButton(RulesPanel, "QuitRules", {40, 344, 209, 41}, tr("Return to Marvane"), {},
                           pixelFont("Balthazar", 27));

    struct Line {
        const char* name;
        int top;
        const char* caption;
    };
    static constexpr Line kLines[] = {
        {"Label9", 88, QT_TRANSLATE_NOOP("RulesPage", "Two player game")},
        {"Label10", 105,
         QT_TRANSLATE_NOOP("RulesPage", "Each player must chose their colour Black or White")},
        {"Label11", 121,
         QT_TRANSLATE_NOOP("RulesPage", "White goes first, use the mouse to select a square ")},
        {"Label12", 138, QT_TRANSLATE_NOOP("RulesPage", "and click the left button")},
        {"Label13", 154,
         QT_TRANSLATE_NOOP("RulesPage", "The object of Marvane is to get as many of your")},
        {"Label14", 171,
         QT_TRANSLATE_NOOP("RulesPage", "coloured counters on the game grid as possible")},
        {"Label15", 187,
         QT_TRANSLATE_NOOP("RulesPage", "the game starts with 4 counters, in the centre")},
        {"Label16", 204,
         QT_TRANSLATE_NOOP("RulesPage", "squares, 2 White and 2 Black, You can place")},
        {"Label17", 221,
         QT_TRANSLATE_NOOP("RulesPage", "another counter of your colour following these rules")},
        {"Label19", 237, QT_TRANSLATE_NOOP("RulesPage", "1. The square must be empty")},
        {"Label20", 254,
         QT_TRANSLATE_NOOP("RulesPage", "2. There must be at least 1 counter of the other")},
        {"Label21", 270, QT_TRANSLATE_NOOP("RulesPage", "colour in an adjacent square to the one")},
        {"Label22", 287, QT_TRANSLATE_NOOP("RulesPage", "that you are placing,")},
        {"Label23", 303,
         QT_TRANSLATE_NOOP("RulesPage", "3. A counter of your own colour must be immediately")},
        {"Label18", 320, QT_TRANSLATE_NOOP("RulesPage", "beyond the opposing counter/s")},
    };
    const QFont sans11 = pixelFont("MS Sans Serif", 11);
    for (const Line& line : kLines) {
        QLabel* label =
            makeLabel(RulesPanel, line.name, {24, line.top, 260, 13}, tr(line.caption), sans11);
        label->adjustSize();
        label->setFixedHeight(13);
    }
    // Below the options panel, where it lay when it was built first.
    RulesPanel->stackUnder(above);
}

void RulesPage::open() {
    RulesPanel->raise();
    RulesPanel->show();
}

void RulesPage::close() { RulesPanel->hide(); }

void RulesPage::describeKeys(const QString& keys) { RulesPanel->setAccessibleDescription(keys); }

// In front of the game's controls, which it covers: it is built after them.
OptionsPanel::OptionsPanel(QWidget* client, QString web, QString email)
    : webAddress_(std::move(web)), emailAddress_(std::move(email)) {
    OptionPanel = new CaptionPanel("OptionPanel", client);
    OptionPanel->setObjectName("OptionPanel");
    OptionPanel->setGeometry(440, 8, 297, 441);
    OptionPanel->setAutoFillBackground(true);
    OptionPanel->hide();
    OptionPanel->setAccessibleName(tr("Marvane Options"));

    // The up-down control and its buddy edit box are one spin box here; the edit box is its
    // line edit, and together they cover both original places.
    Response = new QSpinBox(OptionPanel);
    Response->setObjectName("Response");
    Response->setGeometry(24, 64, 49 + 12, 28);
    constexpr const OptionSpec& responseOption = optionSpec("Response");
    Response->setRange(responseOption.min, responseOption.max);
    Response->setSingleStep(10);
    Response->setWrapping(true);
    Response->setGroupSeparatorShown(false);
    Response->setValue(responseOption.defaultValue);
    Response->setFont(pixelFont("MS Sans Serif", 16));
    QPalette spin = Response->palette();
    spin.setColor(QPalette::Base, Qt::black);
    spin.setColor(QPalette::Text, Qt::white);
    spin.setColor(QPalette::Button, QColor(192, 192, 192));
    spin.setColor(QPalette::ButtonText, Qt::black);
    Response->setPalette(spin);
    if (auto* responseedit = Response->findChild<QLineEdit*>())
        responseedit->setObjectName("responseedit");
    Response->setAccessibleName(tr("Response time"));
    Response->setAccessibleDescription(tr("Milliseconds before the computer moves"));

    Sound = makeCheckBox(OptionPanel, "Sound", {24, 104, 145, 41}, "      " + tr("Sound effects"),
                         true);
    Sound->setToolTip(tr("Turn sound effects On or Off"));
    ShowMenu = makeCheckBox(OptionPanel, "ShowMenu", {24, 144, 233, 25},
                            "      " + tr("Show Windows Menu"), true);
    ShowStatus = makeCheckBox(OptionPanel, "ShowStatus", {24, 176, 233, 25},
                              "      " + tr("Show Windows Status Bar"), false);
}

void OptionsPanel::finish() {
    if (finished()) return;
    makeLabel(OptionPanel, "Label25", {72, 8, 190, 32}, tr("Marvane Options"),
              pixelFont("Mural Script", 27), kAqua);
    makeLabel(OptionPanel, "Label24", {112, 64, 107, 20}, tr("Response time"),
              pixelFont("MS Sans Serif", 16))
        ->adjustSize();
    // The stand-in face runs a little wider than the original; never cut a caption short.
    for (QCheckBox* box : {Sound, ShowMenu, ShowStatus}) {
        const int room = OptionPanel->width() - box->x();
        box->resize(std::clamp(box->sizeHint().width(), box->width(), std::max(room, box->width())),
                    box->height());
    }

    auto* Panel2 = new QFrame(OptionPanel);
    Panel2->setObjectName("Panel2");
    Panel2->setGeometry(88, 288, 233, 57);
    Panel2->hide();  // it only holds the maker's two addresses
    web = new TKURL2(Panel2);
    web->setObjectName("web");
    web->setGeometry(32, 8, 169, 17);
    web->setChoose(TKURL2::ltURL);
    web->setToolTip(tr("Go to our Web Site"));
    web->setURLorEMAIL(webAddress_);
    email = new TKURL2(Panel2);
    email->setObjectName("email");
    email->setGeometry(32, 32, 157, 17);
    email->setChoose(TKURL2::ltEMAIL);
    email->setToolTip(tr("Email Corvath-Solutions"));
    email->setURLorEMAIL(emailAddress_);

    SpeedButton5 = makeButton(OptionPanel, "SpeedButton5", {48, 376, 209, 41},
                              tr("Return to Marvane"), {}, pixelFont("Mural Script", 27));
}

}  // namespace marvane
