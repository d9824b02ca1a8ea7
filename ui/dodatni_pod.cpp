#include "ui/dodatni_pod.h"

#include <QAction>
#include <QFontDatabase>
#include <QFontDialog>
#include <QListWidget>
#include <QVBoxLayout>

namespace nmk::ui {

TfrmDodatniPod::TfrmDodatniPod(const std::vector<std::string>& redovi, QWidget* roditelj)
    : QDialog(roditelj) {
    setObjectName(QStringLiteral("frmDodatniPod"));
    setWindowTitle(QStringLiteral("Detalji"));

    lstDodatniPodaci_ = new QListWidget(this);
    lstDodatniPodaci_->setObjectName(QStringLiteral("lstDodatniPodaci"));
    lstDodatniPodaci_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    for (const std::string& red : redovi)
        lstDodatniPodaci_->addItem(QString::fromStdString(red));

    auto* mnuFont = new QAction(QStringLiteral("Font"), lstDodatniPodaci_);
    mnuFont->setObjectName(QStringLiteral("mnuFont"));
    lstDodatniPodaci_->addAction(mnuFont);
    lstDodatniPodaci_->setContextMenuPolicy(Qt::ActionsContextMenu);
    connect(mnuFont, &QAction::triggered, this, &TfrmDodatniPod::IzaberiFont);

    auto* glavni = new QVBoxLayout(this);
    glavni->addWidget(lstDodatniPodaci_);
    resize(620, 480);
}

void TfrmDodatniPod::IzaberiFont() {
    bool izabran = false;
    const QFont font = QFontDialog::getFont(&izabran, lstDodatniPodaci_->font(), this);
    if (izabran)
        lstDodatniPodaci_->setFont(font);
}

} // namespace nmk::ui
