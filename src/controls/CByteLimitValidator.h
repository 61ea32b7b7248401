#pragma once
// Keeps a line edit's text within a number of Shift-JIS bytes. Input that does not fit is cut
// from its end on a whole character, so a paste keeps what fits and a key that does not fit
// does nothing; the text on either side of the input stays.
#include <QValidator>
#include <cstddef>

class CByteLimitValidator : public QValidator {
    Q_OBJECT

public:
    CByteLimitValidator(std::size_t maxBytes, QObject* parent);

    State validate(QString& input, int& pos) const override;

private:
    std::size_t m_nMaxBytes;
};
