// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/error_messages.h"

#include "support/ascii_case.h"

namespace murax {

std::optional<std::string> shortMessage(const ErrorRecord& record)
{
    const std::string name = asciiUpper(record.FILENAME);
    switch (record.OSCODE) {
    case 21:
        return "Disco " + name + " non pronto.";
    case 27:
    case 31:
        return "Disco " + name + " non formattato.";
    case 19:
        return "Disco " + name + " protetto da scrittura.";
    case 82:
        return "Directory " + name + " piena.";
    default:
        break;
    }
    if (record.SUBCODE == kDiskFullSubcode)
        return "Spazio sul disco " + name + " insufficiente.";
    switch (record.OSCODE) {
    case 5:
        return "Impossibile accedere al file " + name + ".";
    case 3:
        return "Percorso " + name + " non trovato.";
    case 2:
        return "Impossibile aprire il file " + name + ".";
    default:
        break;
    }
    if (record.SUBCODE == kCorruptFileSubcode || record.GENCODE == gencode::Corruption)
        return "Il file " + name + " risulta corrotto.";
    if (record.GENCODE == gencode::ShowOnly)
        return ERRORMESSAGE(record);
    return std::nullopt;
}

bool hasShortMessage(const ErrorRecord& record)
{
    return shortMessage(record).has_value();
}

std::string ERRORMESSAGE(const ErrorRecord& record)
{
    std::string text = record.SEVERITY > 1 ? "Error " : "Warning ";
    text += record.SUBSYSTEM ? *record.SUBSYSTEM : "???";
    text += record.SUBCODE ? "/" + std::to_string(*record.SUBCODE) : "/???";
    if (record.DESCRIPTION)
        text += "  " + *record.DESCRIPTION;
    if (!record.FILENAME.empty())
        text += ": " + record.FILENAME;
    else if (!record.OPERATION.empty())
        text += ": " + record.OPERATION;
    text += ";Function: " + record.function + "  Line: " + std::to_string(record.line);
    return text;
}

std::string recoveryNotice(const std::string& recoveryFile)
{
    return "Le modifiche non salvate sono state scritte nel file " + recoveryFile + ".";
}

}  // namespace murax
