#include "window/table/TableWindow.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

#include "table/JoinCode.h"
#include "window/common/AccessibleRoles.h"
#include "window/common/CloseKeys.h"
#include "window/common/Settings.h"
#include "window/common/StatusLine.h"
#include "window/table/TableHost.h"
#include "window/table/TableSession.h"
#include "window/table/TableText.h"

namespace corvane {

TableWindow::TableWindow(TableSession& session, Settings& settings, Announcer& announcer,
                         QWidget* parent)
    : QWidget(parent, Qt::Window),
      session_(session),
      settings_(settings),
      name_(new QLineEdit(settings.Value(Settings::Key::PlayerName), this)),
      remember_(new QCheckBox(tr("R&emember my name"), this)),
      port_(new QSpinBox(this)),
      hostCode_(new QLineEdit(QString::fromStdString(table::NewJoinCode()), this)),
      address_(new QLineEdit(this)),
      joinCode_(new QLineEdit(this)),
      host_(new QPushButton(tr("&Host Table"), this)),
      join_(new QPushButton(tr("&Join Table"), this)),
      where_(new QLabel(this)),
      members_(new QListWidget(this)),
      remove_(new QPushButton(tr("&Remove Member"), this)),
      leave_(new QPushButton(tr("&Leave Table"), this)),
      status_(new QLabel(this)),
      statusLine_(new StatusLine(*status_, announcer)) {
    ExposeAsWindow(*this);
    setWindowTitle(tr("Table"));
    remember_->setChecked(!name_->text().isEmpty());
    port_->setRange(1, 65535);
    port_->setValue(TableHost::kDefaultPort);
    address_->setPlaceholderText(tr("address:port"));
    where_->setWordWrap(true);
    where_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    members_->setAccessibleName(tr("Members"));
    status_->setFrameShape(QFrame::Panel);
    status_->setFrameShadow(QFrame::Sunken);
    ExposeAsStatusLine(*status_);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(remove_);
    buttons->addWidget(leave_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(MakeSetup());
    layout->addWidget(where_);
    layout->addWidget(members_, 1);
    layout->addLayout(buttons);
    layout->addWidget(status_);
    SetupActions();
    ShowTable();
}

QWidget* TableWindow::MakeSetup() {
    auto* setup = new QWidget(this);
    auto* you = new QFormLayout;
    you->addRow(tr("Your &name:"), name_);
    you->addRow(QString(), remember_);
    auto* hosting = new QGroupBox(tr("Host a table"), setup);
    auto* hostForm = new QFormLayout(hosting);
    hostForm->addRow(tr("&Port:"), port_);
    hostForm->addRow(tr("&Code:"), hostCode_);
    hostForm->addRow(QString(), host_);
    auto* joining = new QGroupBox(tr("Join a table"), setup);
    auto* joinForm = new QFormLayout(joining);
    joinForm->addRow(tr("Host's &address:"), address_);
    joinForm->addRow(tr("C&ode:"), joinCode_);
    joinForm->addRow(QString(), join_);
    auto* layout = new QVBoxLayout(setup);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(you);
    auto* both = new QHBoxLayout;
    both->addWidget(hosting);
    both->addWidget(joining);
    layout->addLayout(both);
    return setup;
}

QSize TableWindow::sizeHint() const { return QSize(520, 440); }

void TableWindow::SetupActions() {
    connect(host_, &QPushButton::clicked, this, &TableWindow::HostTable);
    connect(join_, &QPushButton::clicked, this, &TableWindow::JoinTable);
    connect(remove_, &QPushButton::clicked, this, &TableWindow::RemoveSelected);
    connect(leave_, &QPushButton::clicked, &session_, &TableSession::Leave);
    connect(&session_, &TableSession::changed, this, &TableWindow::ShowTable);
    connect(&session_, &TableSession::closed, this, [this](const QString& why) {
        ShowTable();
        Tell(why);
    });
    connect(members_, &QListWidget::currentRowChanged, this, &TableWindow::ShowTable);
    AddCloseKeys(*this);
}

std::optional<std::string> TableWindow::ChosenName() {
    const auto name = TableName(name_->text());
    if (!name) {
        Tell(tr("Type a name of 1 to 32 letters to sit at a table with."));
        name_->setFocus();
        return std::nullopt;
    }
    const QString keep = remember_->isChecked() ? QString::fromStdString(*name) : QString();
    if (keep != settings_.Value(Settings::Key::PlayerName)) {
        if (const auto problem = settings_.Set(Settings::Key::PlayerName, keep)) Tell(*problem);
    }
    return name;
}

void TableWindow::HostTable() {
    const auto name = ChosenName();
    if (!name) return;
    const auto code = TableCode(hostCode_->text());
    if (!code) {
        Tell(tr("Type a code for the table, or keep the one given."));
        return;
    }
    hostCode_->setText(QString::fromStdString(*code));
    if (const auto error =
            session_.Host(QString::fromStdString(*name), QString::fromStdString(*code),
                          static_cast<quint16>(port_->value()))) {
        Tell(tr("Could not host on port %1: %2").arg(port_->value()).arg(*error));
        return;
    }
    Tell(tr("You host a table."));
}

void TableWindow::JoinTable() {
    const auto name = ChosenName();
    if (!name) return;
    const auto address = HostAndPort(address_->text());
    const auto code = TableCode(joinCode_->text());
    if (!address || !code) {
        Tell(address ? tr("Type the code the host gave.")
                     : tr("Type the host's address and port, as 192.168.1.20:%1.")
                           .arg(TableHost::kDefaultPort));
        return;
    }
    session_.Join(QString::fromStdString(*name), QString::fromStdString(*code), address->first,
                  address->second);
    Tell(tr("Joining the table at %1...").arg(address_->text().trimmed()));
}

void TableWindow::RemoveSelected() {
    auto* host = qobject_cast<TableHost*>(session_.Link());
    const int row = members_->currentRow();
    if (!host || row < 0) return;
    const auto seat = static_cast<std::size_t>(members_->currentItem()->data(Qt::UserRole).toInt());
    if (!host->Remove(seat)) Tell(tr("A member can be removed once the open round is done."));
}

void TableWindow::ShowTable() {
    const TableLink* link = session_.Link();
    const bool seated = session_.Seated();
    for (QWidget* w : std::initializer_list<QWidget*>{name_, remember_, port_, hostCode_, address_,
                                                      joinCode_, host_, join_}) {
        w->setEnabled(!seated);
    }
    where_->setText(link ? WhereText(*link) : QString());
    if (seated) name_->setText(QString::fromStdString(link->Me().Name()));
    if (const auto* host = qobject_cast<const TableHost*>(link); host && seated) {
        hostCode_->setText(host->Code());
        port_->setValue(host->Port());
    }
    const int current = members_->currentRow();
    const QSignalBlocker quiet(members_);
    members_->clear();
    if (link) {
        const auto& seats = link->State().Seats();
        for (std::size_t seat = 0; seat < seats.size(); ++seat) {
            auto* item = new QListWidgetItem(MemberText(*link, seat), members_);
            item->setData(Qt::UserRole, static_cast<int>(seat));
        }
    }
    members_->setCurrentRow(std::min(current, members_->count() - 1));
    remove_->setEnabled(seated && link->Hosting() && members_->currentRow() > 0);
    leave_->setEnabled(seated);
}

void TableWindow::Tell(const QString& text) { statusLine_->Tell(text); }

}  // namespace corvane
