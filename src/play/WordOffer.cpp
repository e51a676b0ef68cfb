// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/WordOffer.h"

#include "core/Dialogs.h"
#include "core/GameModel.h"
#include "play/Dictionary.h"

WordOffer::WordOffer(GameModel &model, Dialogs &dialogs, Dictionary &dictionary)
    : m_model(model)
    , m_dialogs(dialogs)
    , m_dictionary(dictionary)
{
}

void WordOffer::offerNewWords()
{
    const QStringList words = m_model.playedWords();
    // One pass over the file for the whole list; words added below join it.
    QSet<QString> known = m_dictionary.findAll(words);
    for (int i = 0; i < words.size(); ++i) {
        m_model.highlightWord(i);
        const QString &word = words.at(i);
        if (known.contains(word))
            continue;
        if (m_dialogs.confirm(QStringLiteral("Would you like to add the word '") + word
                                  + QStringLiteral("' to your dictionary?"),
                              QStringLiteral("Add Word"))
            && m_dictionary.AddToDictionary(word))
            known.insert(word);
    }
}
