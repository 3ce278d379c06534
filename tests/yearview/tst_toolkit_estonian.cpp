// SPDX-License-Identifier: GPL-3.0-or-later
// The toolkit's dialogs that the overview opens speak Estonian: the save
// dialog (the toolkit's own, as on a desktop without a native one) and its
// overwrite question.
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScopeGuard>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTranslator>
#include <QTreeView>

#include "shell/toolkit_translation.h"
#include "yearview/frmAasta.h"

using namespace Qt::StringLiterals;

namespace {

// Answers nothing and notes every text the toolkit asks to have translated.
class Recorder : public QTranslator
{
public:
    struct Request {
        QString context, source, disambiguation;
    };
    mutable QList<Request> requests;

    QString translate(const char *context, const char *source, const char *disambiguation, int) const override
    {
        requests.append(
            {QString::fromUtf8(context), QString::fromUtf8(source), QString::fromUtf8(disambiguation)});
        return {};
    }
    bool isEmpty() const override { return false; }
};

QString withoutAccessKey(QString text) { return text.remove(u'&').trimmed(); }

// Every text a user reads on the widget: labels, buttons, tooltips, menu
// entries, column headers and the title.
QStringList shownTexts(QWidget *top)
{
    QStringList texts{top->windowTitle()};
    for (auto *label : top->findChildren<QLabel *>())
        texts << label->text();
    for (auto *button : top->findChildren<QAbstractButton *>())
        texts << button->text() << button->toolTip();
    for (auto *action : top->findChildren<QAction *>())
        texts << action->text() << action->toolTip();
    for (auto *header : top->findChildren<QHeaderView *>())
        for (int i = 0; header->model() && i < header->count(); ++i)
            texts << header->model()->headerData(i, header->orientation()).toString();
    texts.removeAll(QString());
    return texts;
}

}  // namespace

class TestToolkitEstonian : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void saveDialogAndOverwriteQuestion();

private:
    QTranslator *estonian = nullptr;
    Recorder *recorder = nullptr;
    // The English texts the toolkit asked for that have no Estonian of their own.
    QStringList englishTexts() const;
};

void TestToolkitEstonian::initTestCase()
{
    QCOMPARE(installToolkitTranslation(QStringLiteral(VORANDEL_TRANSLATIONS)),
             QStringLiteral(VORANDEL_TRANSLATIONS));
    estonian = QApplication::instance()->findChild<QTranslator *>();
    QVERIFY(estonian);
    // The last installed is asked first.
    recorder = new Recorder;
    QApplication::installTranslator(recorder);
}

QStringList TestToolkitEstonian::englishTexts() const
{
    QStringList english;
    for (const auto &r : recorder->requests) {
        const QString et = estonian->translate(
            r.context.toUtf8(), r.source.toUtf8(),
            r.disambiguation.isEmpty() ? nullptr : r.disambiguation.toUtf8().constData());
        if (r.context == u"QShortcut"_s)  // key names, the same on an Estonian keyboard
            continue;
        if (et.isEmpty())
            english << r.context + u": "_s + r.source;
    }
    english.removeDuplicates();
    return english;
}

void TestToolkitEstonian::saveDialogAndOverwriteQuestion()
{
    QTemporaryDir dir;
    QVERIFY(QDir::setCurrent(dir.path()));
    {
        QFile existing(dir.filePath(u"päike-2026.csv"_s));
        QVERIFY(existing.open(QIODevice::WriteOnly));
    }
    frmAasta w(nullptr);
    yearview::YearRequest request;
    request.observation = {21, 6, 2026, 59, 26, 0, 24, 44, 45, 6, false};
    request.place = {59.4333, 24.7458, 6};
    request.year = 2026;
    request.placeName = u"Tallinn"_s;
    w.ShowYear(request);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));

    QStringList dialogTexts, questionTexts;
    QString question;
    QTimer::singleShot(0, &w, [&] {
        QTRY_VERIFY_WITH_TIMEOUT(qobject_cast<QFileDialog *>(QApplication::activeModalWidget()), 5000);
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        auto guard = qScopeGuard([dialog] { dialog->reject(); });
        // The existing file, in place of the suggested name and folder.
        dialog->setDirectory(dir.path());
        dialog->selectFile(u"päike-2026.csv"_s);
        dialogTexts = shownTexts(dialog);
        // The suggested name exists: accepting asks whether to replace it.
        QTimer::singleShot(0, dialog, [&] {
            QTRY_VERIFY_WITH_TIMEOUT(qobject_cast<QMessageBox *>(QApplication::activeModalWidget()), 5000);
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            auto close = qScopeGuard([box] { box->reject(); });
            question = box->text();
            questionTexts = shownTexts(box);
            close.dismiss();
            box->button(QMessageBox::No)->click();
        });
        QMetaObject::invokeMethod(dialog, "accept");
    });
    w.cmdSalvestaTabel->click();

    QCOMPARE(question, u"päike-2026.csv on juba olemas.\nKas asendada see?"_s);
    QVERIFY2(questionTexts.contains(u"&Jah"_s) && questionTexts.contains(u"&Ei"_s),
             qPrintable(questionTexts.join(u" | "_s)));
    QVERIFY2(dialogTexts.contains(u"Faili &nimi:"_s), qPrintable(dialogTexts.join(u" | "_s)));

    const QStringList english = englishTexts();
    QVERIFY2(english.isEmpty(), qPrintable(u"not translated: "_s + english.join(u" | "_s)));
    QStringList englishShown;
    QSet<QString> sources;
    for (const auto &r : recorder->requests)
        if (estonian->translate(r.context.toUtf8(), r.source.toUtf8(), r.disambiguation.toUtf8().constData())
            != r.source)
            sources.insert(withoutAccessKey(r.source));
    for (const QString &text : dialogTexts + questionTexts)
        if (sources.contains(withoutAccessKey(text)))
            englishShown << text;
    QVERIFY2(englishShown.isEmpty(), qPrintable(u"English on the dialogs: "_s + englishShown.join(u" | "_s)));
}

QTEST_MAIN(TestToolkitEstonian)
#include "tst_toolkit_estonian.moc"
