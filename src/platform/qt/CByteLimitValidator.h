#pragma once
// Keeps a line editor's text within a number of Shift-JIS bytes: of what is typed, pasted or
// committed by an input method, only the whole characters that fit are kept.
#include <QValidator>

class CByteLimitValidator : public QValidator {
    Q_OBJECT

public:
    explicit CByteLimitValidator(QObject* parent = nullptr);

    // The editor's text as it stands, over the limit or not; edits are measured against it.
    void Reset(const QString& text);
    void SetLimit(long bytes) { m_nLimit = bytes; }
    State validate(QString& input, int& pos) const override;

private:
    long m_nLimit = 0; // 0: no limit
    mutable QString m_strAccepted;
};
