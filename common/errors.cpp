#include "common/errors.h"

const char *CalculationError::what() const noexcept
{
    switch (m_kind) {
    case ErrorKind::TypeMismatch:
        return "type mismatch";
    case ErrorKind::DivisionByZero:
        return "division by zero";
    case ErrorKind::Overflow:
        return "overflow";
    }
    return "calculation error";
}

QString errorReportText(ErrorKind kind)
{
    switch (kind) {
    case ErrorKind::TypeMismatch:
        return QStringLiteral("Tür uyuşmazlığı: Yazdığınız değerlerden biri sayı olarak okunamadı.\n\n"
                              "Lütfen kutulara yalnızca sayı yazınız (örneğin 12 veya 12,5).");
    case ErrorKind::DivisionByZero:
        return QStringLiteral("Sıfıra bölme: Bölen değer sıfır olduğu için hesap yapılamadı.\n\n"
                              "Lütfen altın fiyatını, altın miktarını ve fakir sayısını kontrol ediniz.");
    case ErrorKind::Overflow:
        return QStringLiteral("Taşma: Sonuç hesaplanamayacak kadar büyük ya da tanımsız çıktı.\n\n"
                              "Lütfen yazdığınız değerleri kontrol ediniz.");
    }
    return {};
}
