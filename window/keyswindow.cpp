// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/keyswindow.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "window/keylist.h"

namespace marvane {

namespace {

QString keysText(const char* text) { return QCoreApplication::translate("KeysWindow", text); }

QDialog* buildKeysWindow(QWidget& window) {
    auto* dialog = new QDialog(&window);
    dialog->setObjectName("KeysWindow");
    dialog->setWindowTitle(keysText(QT_TRANSLATE_NOOP("KeysWindow", "Marvane Keys")));
    auto* table = new QTableWidget(0, 3, dialog);
    table->setObjectName("KeysTable");
    table->setHorizontalHeaderLabels({keysText(QT_TRANSLATE_NOOP("KeysWindow", "Key")),
                                      keysText(QT_TRANSLATE_NOOP("KeysWindow", "Where")),
                                      keysText(QT_TRANSLATE_NOOP("KeysWindow", "What it does"))});
    table->setAccessibleName(keysText(QT_TRANSLATE_NOOP("KeysWindow", "Keys")));
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setWordWrap(false);
    table->verticalHeader()->hide();
    table->horizontalHeader()->setStretchLastSection(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, dialog);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    auto* layout = new QVBoxLayout(dialog);
    layout->addWidget(table);
    layout->addWidget(buttons);
    return dialog;
}

void fill(QTableWidget& table, const QList<KeyEntry>& keys) {
    table.setRowCount(static_cast<int>(keys.size()));
    for (int row = 0; row < table.rowCount(); ++row) {
        const KeyEntry& entry = keys[row];
        int column = 0;
        for (const QString& text : {entry.keys, entry.where, entry.what})
            table.setItem(row, column++, new QTableWidgetItem(text));
    }
    table.resizeColumnsToContents();
    table.resizeRowsToContents();
}

}  // namespace

void showKeysWindow(QWidget& window) {
    auto* dialog = window.findChild<QDialog*>(QStringLiteral("KeysWindow"));
    if (!dialog) dialog = buildKeysWindow(window);
    auto* table = dialog->findChild<QTableWidget*>(QStringLiteral("KeysTable"));
    fill(*table, keyList(window));
    // Wide enough for every row without scrolling sideways, as tall as the screen allows.
    int width = table->frameWidth() * 2;
    for (int column = 0; column < table->columnCount(); ++column)
        width += table->columnWidth(column);
    int height = table->horizontalHeader()->height() + table->frameWidth() * 2;
    for (int row = 0; row < table->rowCount(); ++row) height += table->rowHeight(row);
    table->setMinimumSize(width + 2, std::min(height + 2, 560));
    dialog->adjustSize();
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
}

}  // namespace marvane
