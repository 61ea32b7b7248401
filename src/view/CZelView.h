#pragma once
#include "platform/qt/CCmdTarget.h"

#include <QWidget>

class CZelDoc;

// The roster view. For now it shows the background only; the grid and the controls follow.
class CZelView : public QWidget, public CCmdTarget {
    Q_OBJECT
public:
    explicit CZelView(CZelDoc* pDoc, QWidget* parent = nullptr);

    // Run after every New and Open.
    virtual void OnInitialUpdate();

    bool OnCommand(UINT id) override;
    bool OnUpdateCommand(UINT id, CCmdUI& ui) override;

private:
    CZelDoc* m_pDoc;
};
