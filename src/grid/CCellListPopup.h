#pragma once
// The drop-down list the grid opens under a cell of a column with a list.
#include <QListWidget>
#include <string>
#include <vector>

class CCellListPopup : public QListWidget {
    Q_OBJECT

public:
    explicit CCellListPopup(QWidget* parent);

    // Offers the non-empty entries under (or above) the cell, the cell's own text selected, or
    // else the first entry that starts with typed.
    void Open(const std::vector<std::string>& entries, const std::string& current,
              const QRect& globalCellRect, const QString& typed);

signals:
    void Picked(const QByteArray& entry); // the Shift-JIS bytes of the entry
    void Closed();                        // hidden, after a pick or without one

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void PickCurrent();
    void PlaceUnder(const QRect& globalCellRect);
};
