#pragma once

#include <QDialog>

#include <vector>

class QPushButton;
class QScrollArea;

namespace velmora {

class TTankCustomPrice;
class TfrmTankCustomPriceElem;

// "Produkt-Preise": one panel per custom price entry, stacked in a scroll box. When the
// window closes, however it is closed, the entries the user changed are written to their
// files under the store's lock (the others are left to whoever changed them meanwhile);
// entries that cannot be written are named to the user in one message.
class TfrmTankCustomPrice : public QDialog {
    Q_OBJECT
public:
    // Shows the window modally over AOwner for the entries (null ones skipped; the entries
    // belong to the store and must outlive the window) and returns after it closed. An
    // empty list opens no window.
    static void openForm(QWidget* AOwner, std::vector<TTankCustomPrice*> AList);
    // The same window, opened without waiting: it deletes itself when closed. Null for an
    // empty list.
    static TfrmTankCustomPrice* showForm(QWidget* AOwner, std::vector<TTankCustomPrice*> AList);

    TfrmTankCustomPrice(const std::vector<TTankCustomPrice*>& AList, QWidget* parent);

    void done(int result) override;

protected:
    void wheelEvent(QWheelEvent* event) override;

private:
    void saveEntries();

    QScrollArea* scbContent;
    QPushButton* bbnClose;
    std::vector<TfrmTankCustomPriceElem*> FList;
    bool FSaved = false;
};

}  // namespace velmora
