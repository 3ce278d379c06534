// SPDX-License-Identifier: GPL-3.0-or-later
// The real window under a long run of random user events: keys of every kind,
// pastes, clicks on every button and option, the About picture, region and
// place picks, focus moves. After every event the fields hold only what the
// key filter lets through, the commands are enabled as the state of the window
// says, and every computation shows exactly what the pure functions give.
//
// The seed is printed; VORANDEL_RANDOM_SEED=<seed> repeats a run event for
// event, VORANDEL_RANDOM_EVENTS=<n> changes its length.
#include <QClipboard>
#include <QComboBox>
#include <QDate>
#include <QDateTime>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QLocale>
#include <QMessageBox>
#include <QPointer>
#include <QRadioButton>
#include <QRegularExpression>

#include <array>
#include <deque>
#include <random>

#include "shell/frmAbout.h"
#include "solar/results.h"
#include "window_fixture.h"

using namespace Qt::StringLiterals;

namespace {

// Under AddressSanitizer (a Debug build, several times slower) a shorter run
// keeps the suite within its time; the normal build always makes 20,000.
#if defined(__SANITIZE_ADDRESS__)
constexpr int kDefaultEvents = 10000;
#else
constexpr int kDefaultEvents = 20000;
#endif

// Closes every dialog that opens over the window as soon as its own event
// loop runs, the way a user would: the notice and the About dialog with their
// buttons, anything else by rejecting it.
class DialogCloser : public QObject
{
public:
    explicit DialogCloser(QWidget *mainWindow)
        : mainWindow_(mainWindow)
    {
        qApp->installEventFilter(this);
    }
    ~DialogCloser() override { qApp->removeEventFilter(this); }

    int notices = 0, abouts = 0, others = 0;
    QString lastNotice;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::Show)
            return false;
        auto *dlg = qobject_cast<QDialog *>(watched);
        if (!dlg || dlg == mainWindow_ || !dlg->isWindow())
            return false;
        QPointer<QDialog> guarded(dlg);
        QTimer::singleShot(0, dlg, [this, guarded] { close(guarded); });
        return false;
    }

private:
    void close(QPointer<QDialog> dlg)
    {
        if (!dlg || !dlg->isVisible())
            return;
        if (auto *notice = qobject_cast<frmViga *>(dlg.data())) {
            ++notices;
            lastNotice = notice->windowTitle() + u" / "_s + notice->lblEsimene->text();
            notice->Command1->click();
        } else if (auto *about = qobject_cast<frmAbout *>(dlg.data())) {
            ++abouts;
            about->cmdOK->click();
        } else {
            ++others;
            dlg->reject();
        }
        if (dlg && dlg->isVisible())
            dlg->reject();
    }

    QWidget *mainWindow_;
};

QString describe(const QWidget *w) { return w ? w->objectName() : u"(none)"_s; }

}  // namespace

class TestRandomInput : public QObject
{
    Q_OBJECT

private slots:
    void randomUserEvents();
    void cleanup();

private:
    // One user event, chosen at random; returns what it was.
    QString randomEvent();
    QString keyEvent();
    void checkWindow(int step, bool &computed);
    void checkResults();
    void failWith(int step, const QString &what);

    QString fieldTexts() const;
    QWidget *keyTarget() const;
    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }
    bool chance(double p) { return std::bernoulli_distribution(p)(rng_); }

    std::unique_ptr<frmProge> w_;
    std::mt19937_64 rng_;
    quint64 seed_ = 0;
    std::deque<QString> recent_;
    bool resultsShownBefore_ = false;
    int step_ = 0;
    bool failed_ = false;
    QString failure_;
};

QWidget *TestRandomInput::keyTarget() const
{
    QWidget *fw = QApplication::focusWidget();
    if (!fw || fw->window() != w_.get())
        return w_.get();
    return fw;
}

QString TestRandomInput::fieldTexts() const
{
    QStringList texts;
    for (const QLineEdit *f : w_->inputFields())
        texts << (u'"' + f->text() + u'"');
    return texts.join(u' ');
}

QString TestRandomInput::keyEvent()
{
    QWidget *target = keyTarget();
    const QString where = u" in "_s + describe(target);
    const int kind = pick(100);
    if (kind < 42) {
        // Low digits more often, so that dates and coordinates come out valid now and then.
        const int digit = chance(0.5) ? pick(3) : pick(10);
        QTest::keyClick(target, char('0' + digit));
        return u"digit "_s + QString::number(digit) + where;
    }
    if (kind < 48) {
        QTest::keyClick(target, '-');
        return u"minus"_s + where;
    }
    if (kind < 53) {
        const char letter = char('a' + pick(26));
        if (chance(0.3)) {
            QTest::keyClick(target, char(letter - 'a' + 'A'), Qt::ShiftModifier);
            return u"letter "_s + QChar(letter - 'a' + 'A') + where;
        }
        QTest::keyClick(target, letter);
        return u"letter "_s + QChar(letter) + where;
    }
    if (kind < 56) {
        static const char kSigns[] = {' ', '.', ',', '+', '/', ':'};
        const char c = kSigns[pick(int(sizeof kSigns))];
        QTest::keyClick(target, c);
        return u"sign '"_s + QChar(c) + u"'"_s + where;
    }
    if (kind < 61) {
        // Control chords, and the other routes by which a platform may paste.
        struct Chord {
            Qt::Key key;
            Qt::KeyboardModifiers mods;
            const char16_t *name;
        };
        static const Chord kChords[] = {
            {Qt::Key_C, Qt::ControlModifier, u"Ctrl+C"},
            {Qt::Key_X, Qt::ControlModifier, u"Ctrl+X"},
            {Qt::Key_Z, Qt::ControlModifier, u"Ctrl+Z"},
            {Qt::Key_Y, Qt::ControlModifier, u"Ctrl+Y"},
            {Qt::Key_A, Qt::ControlModifier, u"Ctrl+A"},
            {Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier, u"Ctrl+Shift+Z"},
            {Qt::Key_5, Qt::ControlModifier, u"Ctrl+5"},
            {Qt::Key_Insert, Qt::ControlModifier, u"Ctrl+Insert"},
            {Qt::Key_Backspace, Qt::ControlModifier, u"Ctrl+Backspace"},
            {Qt::Key_Backspace, Qt::AltModifier, u"Alt+Backspace"},
            {Qt::Key_Delete, Qt::ShiftModifier, u"Shift+Delete"},
            {Qt::Key_K, Qt::ControlModifier, u"Ctrl+K"},
            {Qt::Key_H, Qt::ControlModifier, u"Ctrl+H"},
            {Qt::Key_V, Qt::ControlModifier | Qt::ShiftModifier, u"Ctrl+Shift+V"},
            {Qt::Key_Insert, Qt::ControlModifier | Qt::ShiftModifier, u"Ctrl+Shift+Insert"},
            {Qt::Key_F18, Qt::NoModifier, u"F18"},
            {Qt::Key_Paste, Qt::NoModifier, u"Paste key"},
        };
        const Chord &c = kChords[pick(int(std::size(kChords)))];
        // Without a text: QTest::keyClick knows no text for some of these keys.
        QTest::sendKeyEvent(QTest::Press, target, c.key, QString(), c.mods);
        QTest::sendKeyEvent(QTest::Release, target, c.key, QString(), c.mods);
        return QString::fromUtf16(c.name) + where;
    }
    if (kind < 65) {
        static const QString kClips[] = {u"12"_s, u"abc"_s, u"-7"_s, u"1.5"_s, u" 3"_s, u"99999"_s};
        const QString clip = kClips[pick(int(std::size(kClips)))];
        QApplication::clipboard()->setText(clip);
        const bool shiftInsert = chance(0.5);
        if (shiftInsert)
            QTest::keyClick(target, Qt::Key_Insert, Qt::ShiftModifier);
        else
            QTest::keyClick(target, Qt::Key_V, Qt::ControlModifier);
        return (shiftInsert ? u"Shift+Insert"_s : u"Ctrl+V"_s) + u" of \""_s + clip + u"\""_s + where;
    }
    if (kind < 72) {
        QTest::keyClick(target, chance(0.8) ? Qt::Key_Return : Qt::Key_Enter);
        return u"Enter"_s + where;
    }
    if (kind < 80) {
        const bool back = chance(0.3);
        QTest::keyClick(target, back ? Qt::Key_Backtab : Qt::Key_Tab,
                        back ? Qt::ShiftModifier : Qt::NoModifier);
        return (back ? u"Backtab"_s : u"Tab"_s) + where;
    }
    if (kind < 88) {
        const bool del = chance(0.25);
        QTest::keyClick(target, del ? Qt::Key_Delete : Qt::Key_Backspace);
        return (del ? u"Delete"_s : u"Backspace"_s) + where;
    }
    if (kind < 92) {
        static const Qt::Key kMoves[] = {Qt::Key_Home, Qt::Key_End, Qt::Key_Left, Qt::Key_Right};
        const Qt::Key key = kMoves[pick(4)];
        QTest::keyClick(target, key, chance(0.2) ? Qt::ShiftModifier : Qt::NoModifier);
        return u"cursor key "_s + QString::number(int(key), 16) + where;
    }
    if (kind < 95) {
        QTest::keyClick(target, Qt::Key_Space);
        return u"Space"_s + where;
    }
    if (kind < 96) {
        // The access keys of Calculate and Clear.
        const bool calculate = chance(0.5);
        QPushButton *button = calculate ? w_->controls().cmdArvuta : w_->controls().cmdTühjenda;
        QTest::keyClick(target, calculate ? Qt::Key_A : Qt::Key_T, Qt::AltModifier);
        // An access key clicks after a short animation (a tenth of a second);
        // the next key comes after it, as from a person, so that a seed gives
        // the same run every time.
        if (button->isDown() && !QTest::qWaitFor([button] { return !button->isDown(); }, 1000))
            failWith(step_, button->objectName() + u" stays pressed"_s);
        return (calculate ? u"Alt+A"_s : u"Alt+T"_s) + where;
    }
    // Arrow keys step through a closed list: a pick when the list has the focus.
    const bool down = chance(0.7);
    QTest::keyClick(target, down ? Qt::Key_Down : Qt::Key_Up);
    return (down ? u"Down"_s : u"Up"_s) + where;
}

QString TestRandomInput::randomEvent()
{
    const int kind = pick(100);
    if (kind < 70)
        return keyEvent();
    if (kind < 80) {
        // A click into a field, as a user moves to correct something.
        const auto fields = w_->inputFields();
        QLineEdit *field = fields[pick(int(fields.size()))];
        QTest::mouseClick(field, Qt::LeftButton, {},
                          QPoint(1 + pick(field->width() - 2), 1 + pick(field->height() - 2)));
        return u"click into "_s + field->objectName();
    }
    if (kind < 84) {
        QPushButton *buttons[] = {w_->controls().cmdArvuta, w_->controls().cmdArvuta,
                                  w_->controls().cmdTühjenda, w_->controls().cmdVälju};
        QPushButton *b = buttons[pick(4)];
        QTest::mouseClick(b, Qt::LeftButton);
        return u"click on "_s + b->objectName();
    }
    if (kind < 87) {
        QRadioButton *opt = chance(0.5) ? w_->controls().optSuveaeg : w_->controls().optTalveaeg;
        QTest::mouseClick(opt, Qt::LeftButton);
        return u"click on "_s + opt->objectName();
    }
    if (kind < 89) {
        // Other buttons of the mouse on a field: the right one opens nothing,
        // the middle one would paste the selection.
        const auto fields = w_->inputFields();
        QLineEdit *field = fields[pick(int(fields.size()))];
        const bool middle = chance(0.5);
        QTest::mouseClick(field, middle ? Qt::MiddleButton : Qt::RightButton);
        return (middle ? u"middle click on "_s : u"right click on "_s) + field->objectName();
    }
    if (kind < 90) {
        QTest::mouseClick(w_->controls().imgAbout, Qt::LeftButton);
        return u"click on imgAbout"_s;
    }
    if (kind < 94) {
        // A region picked from its list.
        QComboBox *cbo = w_->controls().cboNimestik;
        if (!cbo->isEnabled() || cbo->count() == 0)
            return u"(region list locked)"_s;
        const int index = pick(cbo->count());
        cbo->setFocus(Qt::MouseFocusReason);
        cbo->setCurrentIndex(index);
        emit cbo->activated(index);
        return u"region pick "_s + QString::number(index) + u" \""_s + cbo->currentText() + u'"';
    }
    if (kind < 98) {
        QComboBox *cbo = w_->controls().cboPiirkond;
        if (!cbo->isEnabled() || cbo->count() == 0)
            return u"(place list locked)"_s;
        const int index = pick(cbo->count());
        cbo->setFocus(Qt::MouseFocusReason);
        cbo->setCurrentIndex(index);
        emit cbo->activated(index);
        return u"place pick "_s + QString::number(index) + u" \""_s + cbo->currentText() + u'"';
    }
    // Into a list's text, to step through it with the arrow keys next.
    QComboBox *cbo = chance(0.5) ? w_->controls().cboNimestik : w_->controls().cboPiirkond;
    if (!cbo->isEnabled())
        return u"(list locked)"_s;
    cbo->setFocus(Qt::MouseFocusReason);
    return u"focus into "_s + cbo->objectName();
}

void TestRandomInput::failWith(int step, const QString &what)
{
    if (failed_)
        return;
    failed_ = true;
    QStringList lines;
    lines << u"seed %1, event %2: %3"_s.arg(seed_).arg(step).arg(what);
    lines << u"fields: "_s + fieldTexts();
    lines << u"last events:"_s;
    for (const QString &e : recent_)
        lines << u"  "_s + e;
    failure_ = lines.join(u'\n');
}

void TestRandomInput::checkWindow(int step, bool &computed)
{
    static const QRegularExpression digits(u"^[0-9]*$"_s);
    static const QRegularExpression digitsAndMinus(u"^[0-9-]*$"_s);
    const auto fields = w_->inputFields();
    bool allFilled = true;
    for (const QLineEdit *f : fields) {
        const bool minus = f == w_->controls().txtPikkusKraad;
        if (!(minus ? digitsAndMinus : digits).match(f->text()).hasMatch())
            failWith(step, f->objectName() + u" holds \""_s + f->text() + u'"');
        const int maxLength = (f == w_->controls().txtAasta || f == w_->controls().txtKõrgus) ? 4 : 2;
        if (f->maxLength() != maxLength || f->text().size() > maxLength)
            failWith(step, f->objectName() + u" is longer than "_s + QString::number(maxLength));
        allFilled = allFilled && !f->text().isEmpty();
    }
    const bool shown = w_->runState().ResultsShown;
    const bool calculateExpected = allFilled && !shown;
    if (w_->controls().cmdArvuta->isEnabled() != calculateExpected)
        failWith(step,
                 u"Calculate is %1 with all fields filled %2, results shown %3"_s
                     .arg(w_->controls().cmdArvuta->isEnabled() ? u"enabled"_s : u"disabled"_s)
                     .arg(allFilled)
                     .arg(shown));
    // A disabled Calculate never holds the default role, and no other button does.
    if (w_->controls().cmdArvuta->isDefault() && !w_->controls().cmdArvuta->isEnabled())
        failWith(step, u"Calculate is the default button while disabled"_s);
    if (w_->controls().cmdTühjenda->isDefault() || w_->controls().cmdVälju->isDefault())
        failWith(step, u"Clear or Exit holds the default role"_s);
    if (w_->controls().cmdTühjenda->isEnabled() != shown)
        failWith(step,
                 u"Clear is %1 with results shown %2"_s
                     .arg(w_->controls().cmdTühjenda->isEnabled() ? u"enabled"_s : u"disabled"_s)
                     .arg(shown));
    for (const QLineEdit *f : fields) {
        if (f->isEnabled() == shown)
            failWith(step, f->objectName() + u" enabled while results shown, or the reverse"_s);
    }
    computed = shown && !resultsShownBefore_;
    if (computed)
        checkResults();
    if (shown) {
        // Whatever happens while results are shown (season clicks among them),
        // no value ever reads as a failed number.
        for (const QLabel *l : w_->controls().fraTulem->findChildren<QLabel *>()) {
            const QString t = l->text().toLower();
            if (t.contains(u"nan"_s) || t.contains(u"inf"_s))
                failWith(step, l->objectName() + u" shows \""_s + l->text() + u'"');
        }
    }
    resultsShownBefore_ = shown;
}

void TestRandomInput::checkResults()
{
    const auto fields = w_->inputFields();
    std::array<std::string, 10> utf8;
    std::array<std::string_view, 10> texts;
    for (size_t i = 0; i < utf8.size(); ++i) {
        utf8[i] = fields[qsizetype(i)]->text().toStdString();
        texts[i] = utf8[i];
    }
    const auto obs = solar::ReadObservation(texts);
    if (!obs) {
        failWith(step_, u"results shown for fields that are no observation"_s);
        return;
    }
    if (obs->year < 1900 || !QDate(obs->year, obs->month, obs->day).isValid())
        failWith(step_, u"results shown for an impossible date"_s);
    if (obs->latitudeDegrees > 89 || obs->latitudeMinutes > 59 || obs->latitudeSeconds > 59
        || obs->longitudeMinutes > 59 || obs->longitudeSeconds > 59)
        failWith(step_, u"results shown for a coordinate out of range"_s);

    const std::string separator = QLocale().decimalPoint().toStdString();
    const solar::DayResults day = solar::ComputeDayResults(*obs, separator);
    auto expect = [this](const QLabel *label, const std::string &want) {
        const QString wanted = QString::fromStdString(want);
        if (label->text() != wanted)
            failWith(step_,
                     label->objectName() + u" shows \""_s + label->text() + u"\", expected \""_s + wanted
                         + u'"');
    };
    expect(w_->controls().lblPäev_Nädal, day.dayWeekText);
    expect(w_->controls().lblPöörlemiskiir, day.rotationSpeedText);
    expect(w_->controls().lblRaskuskiir, day.gravityText);
    expect(w_->controls().lblTühi_Tõ, std::string(solar::kEmptyRowText));
    expect(w_->controls().lblTühi_Lo, std::string(solar::kEmptyRowText));
    if (w_->controls().fraTulem->title() != QString::fromStdString(day.resultCaption))
        failWith(step_, u"results caption \""_s + w_->controls().fraTulem->title() + u'"');

    const MainWindowControls &c = w_->controls();
    const std::array<QLabel *, 9> sunrise
        = {c.lblNurkA_Tõ, c.lblNurkB_Tõ,    c.lblNurkC_Tõ,           c.lblNurkD_Tõ,  c.lblPäiHorKoh_Tõ,
           c.lblNurkE_Tõ, c.lblKohKeskP_Tõ, c.lblPäiTõu_st_KeskP_ni, c.lblPäiTõuKell};
    const std::array<QLabel *, 9> sunset
        = {c.lblNurkA_Lo, c.lblNurkB_Lo,    c.lblNurkC_Lo,           c.lblNurkD_Lo,  c.lblPäiHorKoh_Lo,
           c.lblNurkE_Lo, c.lblKohKeskP_Lo, c.lblKeskP_st_PäiLoo_ni, c.lblPäiLooKell};
    for (int mode : {1, 2}) {
        const solar::ColumnResult column
            = solar::ComputeColumn(mode, day.dayOfYear, day.latitude, day.longitude,
                                   w_->runState().WinterTime ? 1 : 0, day.horizonSine);
        const auto &labels = mode == 1 ? sunrise : sunset;
        for (size_t row = 0; row < labels.size(); ++row)
            expect(labels[row], column.texts[row]);
    }
}

void TestRandomInput::randomUserEvents()
{
    bool fromEnvironment = false;
    seed_ = qEnvironmentVariable("VORANDEL_RANDOM_SEED").toULongLong(&fromEnvironment);
    if (!fromEnvironment)
        seed_ = quint64(QDateTime::currentMSecsSinceEpoch());
    bool countGiven = false;
    int events = qEnvironmentVariableIntValue("VORANDEL_RANDOM_EVENTS", &countGiven);
    if (!countGiven || events <= 0)
        events = kDefaultEvents;
    qInfo("seed %llu (repeat with VORANDEL_RANDOM_SEED=%llu), %d events", seed_, seed_, events);
    rng_.seed(seed_);

    w_ = showWindow();
    DialogCloser closer(w_.get());
    QElapsedTimer clock;
    clock.start();
    int computations = 0, clears = 0;
    for (int step = 1; step <= events && !failed_; ++step) {
        step_ = step;
        const QString event = randomEvent();
        recent_.push_back(QString::number(step) + u": "_s + event);
        if (recent_.size() > 60)
            recent_.pop_front();
        QCoreApplication::processEvents();
        // Dialogs closed inside the event are deleted here, not piled up.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        if (QWidget *popup = QApplication::activePopupWidget())
            popup->close();
        if (QApplication::activeWindow() != w_.get())
            QApplication::setActiveWindow(w_.get());
        const bool before = resultsShownBefore_;
        bool computed = false;
        checkWindow(step, computed);
        computations += computed ? 1 : 0;
        clears += (before && !w_->runState().ResultsShown) ? 1 : 0;
    }
    qInfo("%d events in %lld ms: %d computations, %d clears, %d notices, %d About dialogs", events,
          qint64(clock.elapsed()), computations, clears, closer.notices, closer.abouts);
    if (failed_)
        QFAIL(qPrintable(failure_));
    QCOMPARE(closer.others, 0);
    // A run that never computes tests little: the events are weighted so that
    // every run computes many times.
    QVERIFY(computations > 0);
}

void TestRandomInput::cleanup()
{
    w_.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    for (QWidget *top : QApplication::topLevelWidgets())
        QVERIFY2(!top->isVisible(), qPrintable(u"left open: "_s + top->objectName()));
}

QTEST_MAIN(TestRandomInput)
#include "tst_random_input.moc"
