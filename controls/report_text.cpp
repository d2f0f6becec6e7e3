// Reports about the game's files, worded through the catalogues.
#include "controls/report_text.h"

#include <QCoreApplication>
#include <QStringList>

namespace {

QString Filled(const QString& text, const QStringList& values)
{
    switch (values.size()) {
    case 0:
        return text;
    case 1:
        return text.arg(values[0]);
    case 2:
        return text.arg(values[0], values[1]);
    default:
        return text.arg(values[0], values[1], values[2]);
    }
}

QString Said(const ReportWords& words)
{
    if (!words.own)
        return QString::fromStdString(words.text);
    QStringList values;
    for (const std::string& value : words.values)
        values << QString::fromStdString(value);
    return Filled(QCoreApplication::translate("FileReport", words.text.c_str()), values);
}

} // namespace

QString ReportText(const FileReport& report)
{
    if (report.Empty())
        return {};
    QStringList values;
    for (const ReportWords& words : report.values)
        values << Said(words);
    return Filled(QCoreApplication::translate("FileReport", report.form, nullptr, report.count), values);
}

std::string ReportLine(const FileReport& report)
{
    const std::string english = EnglishLine(report);
    const QString text = ReportText(report);
    return text == QString::fromStdString(english) ? english : text.toLocal8Bit().toStdString();
}
