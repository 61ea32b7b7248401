#include "view/CZelView.h"

CZelView::CZelView(CZelDoc* pDoc, QWidget* parent) : QWidget(parent), m_pDoc(pDoc) {
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Button);
}

void CZelView::OnInitialUpdate() {}

bool CZelView::OnCommand(UINT) {
    return false;
}

bool CZelView::OnUpdateCommand(UINT, CCmdUI&) {
    return false;
}
