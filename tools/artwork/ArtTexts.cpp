#include "ArtTexts.h"

#include <QHash>

namespace arttexts {

namespace {

QString g_language = QStringLiteral("en");

// Short words: the labels of the lesson window's buttons have one line of 80 pixels.
const QHash<QString, QString>& French() {
    static const QHash<QString, QString> texts = {
        // Lesson faces of the catalogue.
        {"Lesson", "Leçon"},
        {"Finished", "Terminée"},
        {"Started", "Commencée"},
        {"New", "Nouvelle"},
        // Lesson window buttons.
        {"Listen", "Écouter"},
        {"Exercise", "Exercices"},
        {"Back", "Retour"},
        {"Spelling", "Pinyin"},
        {"Patterns", "Modèles"},
        {"Notes", "Notes"},
        {"Scene", "Scène"},
        {"New Words", "Mots"},
        {"Grammar", "Grammaire"},
        {"Meaning", "Sens"},
        // Word study.
        {"Sound", "Son"},
        {"Strokes", "Traits"},
        {"Write", "Écrire"},
        {"Grade", "Note"},
        // Catalogue commands and dialog buttons.
        {"Words", "Mots"},
        {"Settings", "Réglages"},
        {"About", "À propos"},
        {"Website", "Site web"},
        {"Help", "Aide"},
        {"Exit", "Quitter"},
        {"Go", "Aller"},
        {"Log in", "Connexion"},
        {"Cancel", "Annuler"},
        {"Yes", "Oui"},
        {"No", "Non"},
        {"Defaults", "Par défaut"},
        // Window pictures.
        {"Chinese for beginners \u00B7 choose a lesson to study",
         "Le chinois pour débutants \u00B7 choisissez une leçon"},
        {"Point here to see how a lesson is built: the text with pinyin and translation, new words, notes, "
         "grammar, typical sentences, the scene and the speaking practice.",
         "Pointez ici pour voir comment une leçon est faite : le texte avec pinyin et traduction, les "
         "nouveaux mots, les notes, la grammaire, les phrases types, la scène et l'exercice d'oral."},
        {"New lesson", "Nouvelle leçon"},
        {"Welcome", "Bienvenue"},
        {"Sign in to keep your progress", "Connectez-vous pour garder vos progrès"},
        {"User name", "Nom"},
        {"Password", "Mot de passe"},
        {"Welcome back", "Bon retour"},
        {"Display settings", "Réglages d'affichage"},
        {"Colour of new words", "Couleur des nouveaux mots"},
        {"Colour of words", "Couleur des mots"},
        {"Colour of pinyin", "Couleur du pinyin"},
        {"Colour of meanings", "Couleur des traductions"},
        {"Offer the last lesson again when I log in", "Proposer la dernière leçon à la connexion"},
        {"Space between sentences", "Espace entre les phrases"},
        {"Space between lines", "Espace entre les lignes"},
        {"Typical sentence", "Phrase type"},
        {"Your grade", "Votre note"},
        {"Write the character", "Écrivez le caractère"},
    };
    return texts;
}

} // namespace

QStringList Languages() {
    return {QStringLiteral("en"), QStringLiteral("fr")};
}

void SetLanguage(const QString& suffix) {
    g_language = suffix;
}

QString Say(const QString& english) {
    if (g_language == QLatin1String("fr"))
        return French().value(english, english);
    return english;
}

} // namespace arttexts
