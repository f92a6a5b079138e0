#include "app/JetImportDialog.h"

#include "app/DialogFrame.h"
#include "app/ImportProcess.h"
#include "browse/HandlerGuard.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int kTextWidth = 440;
// The bar counts in thousandths: row counts may not fit its int range.
constexpr int kBarSteps = 1000;

QString number(qint64 n)
{
    return QLocale().toString(n);
}

} // namespace

JetImportDialog::JetImportDialog(const QString& program, const QString& source, const QString& target, QWidget* parent)
    : QDialog(parent, fixedDialogFlags()), m_source(source), m_target(target), m_process(new ImportProcess(program, this))
{
    setObjectName(QStringLiteral("JetImportDialog"));
    setWindowTitle(QStringLiteral("Importing %1").arg(QFileInfo(source).fileName()));
    setModal(true);

    auto* intro = new QLabel(this);
    intro->setObjectName(QStringLiteral("ImportIntro"));
    intro->setWordWrap(true);
    const QString shownPath = intro->fontMetrics().elidedText(source, Qt::ElideMiddle, kTextWidth);
    intro->setText(QStringLiteral("Reading the Jet/Access database\n%1\ninto a copy this program can browse. "
                                  "This happens once: later starts open the copy at once.")
                       .arg(shownPath));
    intro->setToolTip(source);
    m_table = new QLabel(QStringLiteral("Opening the file..."), this);
    m_table->setObjectName(QStringLiteral("ImportTable"));
    m_bar = new QProgressBar(this);
    m_bar->setObjectName(QStringLiteral("ImportBar"));
    m_bar->setRange(0, 0);
    m_bar->setTextVisible(false);
    m_rows = new QLabel(this);
    m_rows->setObjectName(QStringLiteral("ImportRows"));
    m_cancel = new QPushButton(QStringLiteral("Cancel"), this);
    m_cancel->setObjectName(QStringLiteral("ImportCancel"));
    m_cancel->setAutoDefault(false);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_cancel);
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(intro);
    layout->addSpacing(8);
    layout->addWidget(m_table);
    layout->addWidget(m_bar);
    layout->addWidget(m_rows);
    layout->addSpacing(4);
    layout->addLayout(buttons);
    for (QWidget* w : {static_cast<QWidget*>(intro), static_cast<QWidget*>(m_table), static_cast<QWidget*>(m_bar),
                       static_cast<QWidget*>(m_rows)})
        w->setFixedWidth(std::max(kTextWidth, titleBarWidth(*this)));

    connect(m_cancel, &QPushButton::clicked, this, guardedSlot([this] { reject(); }));
    connect(m_process, &ImportProcess::started, this, guardedSlot([this](int t, qint64 r) { started(t, r); }));
    connect(m_process, &ImportProcess::tableStarted, this,
            guardedSlot([this](int i, const QString& t, qint64 r) { tableStarted(i, t, r); }));
    connect(m_process, &ImportProcess::rowsProgressed, this, guardedSlot([this](qint64 r) { rowsProgressed(r); }));
    connect(m_process, &ImportProcess::finished, this, guardedSlot([this](bool ok) { finished(ok); }));
}

int JetImportDialog::exec()
{
    m_process->start(m_source, m_target);
    // A program that cannot be started has already said so.
    if (m_process->isFinished())
        return m_process->complete() ? Accepted : Rejected;
    return QDialog::exec();
}

void JetImportDialog::reject()
{
    if (!m_process->isRunning()) {
        QDialog::reject();
        return;
    }
    m_cancel->setEnabled(false);
    m_table->setText(QStringLiteral("Cancelling..."));
    m_process->cancel();
}

void JetImportDialog::started(int tables, qint64 rows)
{
    m_tables = tables;
    m_totalRows = rows;
    m_bar->setRange(0, kBarSteps);
    m_bar->setValue(0);
}

void JetImportDialog::tableStarted(int index, const QString& table, qint64 rows)
{
    m_rowsBefore += m_tableRows;
    m_tableRows = rows;
    m_copied = 0;
    m_table->setText(QStringLiteral("Table %1 of %2: %3").arg(index + 1).arg(m_tables).arg(table));
    showRows();
}

void JetImportDialog::rowsProgressed(qint64 rows)
{
    m_copied = rows;
    showRows();
}

void JetImportDialog::showRows()
{
    m_rows->setText(QStringLiteral("%1 of %2 rows in this table, %3 of %4 in all")
                        .arg(number(m_copied), number(m_tableRows), number(m_rowsBefore + m_copied), number(m_totalRows)));
    if (m_totalRows > 0)
        m_bar->setValue(int(qMin<qint64>(kBarSteps, (m_rowsBefore + m_copied) * kBarSteps / m_totalRows)));
}

void JetImportDialog::finished(bool complete)
{
    if (complete)
        accept();
    else
        QDialog::reject();
}
