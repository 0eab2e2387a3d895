#include "app/cli/Completions.h"

#include "app/cli/Commands.h"

#include <QStringList>

namespace {

QString latin1(const char* text) {
    return text ? QString::fromLatin1(text) : QString();
}

// "-o" or "--data-dir", and "-h" for a short name.
QStringList spellings(const CliOption& option) {
    const QString name = latin1(option.name);
    QStringList names{(name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name};
    if (option.shortName)
        names << QStringLiteral("-") + latin1(option.shortName);
    return names;
}

QStringList choices(const CliOption& option) {
    return latin1(option.choices).split(QLatin1Char('|'), Qt::SkipEmptyParts);
}

// The first sentence of a description, which is what a completion menu has room for.
QString brief(const char* description) {
    QString text = latin1(description);
    const qsizetype end = text.indexOf(QStringLiteral(". "));
    if (end > 0)
        text = text.left(end + 1);
    return text;
}

// A shell function name made of the program's name: "tintora-cli" gives "_tintora_cli".
QString functionName(const QString& program) {
    return QLatin1Char('_') + QString(program).replace(QLatin1Char('-'), QLatin1Char('_'));
}

// The command of the table as the completions see it: a program without commands is
// one nameless command.
struct Scope {
    QString name; // empty for the program's own line
    QString summary;
    std::vector<const CliOption*> options;
    std::vector<CliArgument> positional;
};

std::vector<Scope> scopesOf(const CompletionProgram& program) {
    std::vector<Scope> scopes;
    if (!program.commands) {
        scopes.push_back({QString(), QString(), program.options, program.positional});
        return scopes;
    }
    for (const CliCommand& command : *program.commands) {
        Scope scope{latin1(command.name), latin1(command.summary), program.options,
                    command.positional};
        scope.options.insert(scope.options.end(), command.options.begin(), command.options.end());
        scopes.push_back(std::move(scope));
    }
    return scopes;
}

QStringList fileTypes(const char* types) {
    return latin1(types).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

// --- bash ------------------------------------------------------------------------

// The bash statement completing a value of `kind`.
QString bashValue(CliValue kind, const char* types, const QStringList& words) {
    switch (kind) {
    case CliValue::Choice:
        return QStringLiteral("_tintora_words '%1'").arg(words.join(QLatin1Char(' ')));
    case CliValue::File:
        return (QStringLiteral("_tintora_files ") + fileTypes(types).join(QLatin1Char(' ')))
            .trimmed();
    case CliValue::Folder:
        return QStringLiteral("_tintora_folders");
    case CliValue::Theme:
        return QStringLiteral("_tintora_themes");
    case CliValue::None:
    case CliValue::Name:
        break;
    }
    return QStringLiteral("COMPREPLY=()");
}

QString bashScope(const Scope& scope, const QString& indent) {
    QString text;
    QStringList optionWords;
    QString values;
    for (const CliOption* option : scope.options) {
        optionWords << spellings(*option);
        if (option->valueName && option->value != CliValue::None)
            values +=
                indent + QStringLiteral("    %1) %2; return ;;\n")
                             .arg(spellings(*option).join(QLatin1Char('|')),
                                  bashValue(option->value, option->choices, choices(*option)));
    }
    if (!values.isEmpty())
        text +=
            indent + QStringLiteral("case $prev in\n") + values + indent + QStringLiteral("esac\n");
    text += indent + QStringLiteral("if [[ $cur == -* ]]; then _tintora_words '%1'; return; fi\n")
                         .arg(optionWords.join(QLatin1Char(' ')));
    if (!scope.positional.empty()) {
        const CliArgument& argument = scope.positional.front();
        text += indent + bashValue(argument.value, argument.fileTypes, {}) + QLatin1Char('\n');
    }
    return text;
}

const char* const BashHelpers = R"sh(_tintora_words() {
    local IFS=$' \t\n'
    mapfile -t COMPREPLY < <(compgen -W "$1" -- "$cur")
}
_tintora_folders() {
    compopt -o filenames 2>/dev/null
    mapfile -t COMPREPLY < <(compgen -d -- "$cur")
}
# Files ending in the given name endings (any file without), and folders to go into.
_tintora_files() {
    local ending
    compopt -o filenames 2>/dev/null
    if (($# == 0)); then
        mapfile -t COMPREPLY < <(compgen -f -- "$cur")
        return
    fi
    mapfile -t COMPREPLY < <(compgen -d -- "$cur")
    for ending in "$@"; do
        mapfile -t -O ${#COMPREPLY[@]} COMPREPLY < <(compgen -f -X "!*.$ending" -- "$cur")
    done
}
# Theme names are offered as the literal words they are, quoted for the command line:
# compgen -W would expand each name again and run what a name like "$(...)" holds.
_tintora_themes() {
    local name quoted
    local -a data=()
    [[ -n $datadir ]] && data=(--data-dir "$datadir")
    COMPREPLY=()
    while IFS= read -r name; do
        printf -v quoted '%q' "$name"
        [[ $name == "$cur"* || $quoted == "$cur"* ]] && COMPREPLY+=("$quoted")
    done < <("$program" themes "${data[@]}" 2>/dev/null)
}
)sh";

} // namespace

QByteArray bashCompletion(const CompletionProgram& program) {
    const QString function = functionName(program.name);
    QString text = QStringLiteral("# bash completion for %1, generated from its command table.\n")
                       .arg(program.name);
    text += QString::fromLatin1(BashHelpers);
    text += function + QStringLiteral(R"sh(() {
    local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD-1]}
    local program=${COMP_WORDS[0]} command= datadir= i
    # "--format=json" reaches here as "--format", "=", "json".
    if [[ $cur == = ]]; then
        cur=
    elif [[ $prev == = ]] && ((COMP_CWORD > 1)); then
        prev=${COMP_WORDS[COMP_CWORD-2]}
    fi
    for ((i = 1; i < COMP_CWORD; i++)); do
        case ${COMP_WORDS[i]} in
        --data-dir)
            datadir=${COMP_WORDS[i+1]}
            [[ $datadir == = ]] && datadir=${COMP_WORDS[i+2]}
            ;;
        -* | =) ;;
        *) [[ -z $command && ${COMP_WORDS[i-1]} != = ]] && command=${COMP_WORDS[i]} ;;
        esac
    done
)sh");
    const std::vector<Scope> scopes = scopesOf(program);
    if (!program.commands) {
        text += bashScope(scopes.front(), QStringLiteral("    "));
    } else {
        QStringList names;
        QStringList top;
        for (const Scope& scope : scopes)
            names << scope.name;
        for (const CliOption* option : program.options)
            top << spellings(*option);
        text += QStringLiteral("    if [[ -z $command ]]; then\n"
                               "        if [[ $cur == -* ]]; then _tintora_words '%1'; else "
                               "_tintora_words '%2'; fi\n"
                               "        return\n"
                               "    fi\n"
                               "    case $command in\n")
                    .arg(top.join(QLatin1Char(' ')), names.join(QLatin1Char(' ')));
        for (const Scope& scope : scopes)
            text += QStringLiteral("    %1)\n").arg(scope.name) +
                    bashScope(scope, QStringLiteral("        ")) + QStringLiteral("        ;;\n");
        text += QStringLiteral("    esac\n");
    }
    text += QStringLiteral("}\ncomplete -F %1 %2\n").arg(function, program.name);
    return text.toUtf8();
}

// --- zsh -------------------------------------------------------------------------

namespace {

// A text inside single quotes, with what _arguments and _describe read specially escaped.
QString zshText(const QString& text) {
    QString escaped = text;
    escaped.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    escaped.replace(QLatin1Char('['), QStringLiteral("\\["));
    escaped.replace(QLatin1Char(']'), QStringLiteral("\\]"));
    escaped.replace(QLatin1Char(':'), QStringLiteral("\\:"));
    escaped.replace(QLatin1Char('\''), QStringLiteral("'\\''"));
    return escaped;
}

QString zshAction(CliValue kind, const char* types, const QStringList& words) {
    switch (kind) {
    case CliValue::Choice:
        return QStringLiteral("(%1)").arg(words.join(QLatin1Char(' ')));
    case CliValue::File: {
        const QStringList endings = fileTypes(types);
        if (endings.isEmpty())
            return QStringLiteral("_files");
        // One ending alone in parentheses would be read as glob qualifiers.
        if (endings.size() == 1)
            return QStringLiteral("_files -g \"*.%1\"").arg(endings.front());
        return QStringLiteral("_files -g \"*.(%1)\"").arg(endings.join(QLatin1Char('|')));
    }
    case CliValue::Folder:
        return QStringLiteral("_files -/");
    case CliValue::Theme:
        return QStringLiteral("_tintora_themes");
    case CliValue::None:
    case CliValue::Name:
        break;
    }
    return QStringLiteral(" ");
}

QString zshOption(const CliOption& option) {
    const QString name = latin1(option.name);
    const QString description = zshText(brief(option.description));
    QString names;
    if (option.shortName)
        names = QStringLiteral("'(-%1 --%2)'{-%1,--%2}'").arg(latin1(option.shortName), name);
    else
        names = QLatin1Char('\'') +
                (name.size() == 1 ? QStringLiteral("-") + name : QStringLiteral("--") + name);
    if (!option.valueName)
        return names + QLatin1Char('[') + description + QStringLiteral("]'");
    // A long option's value follows after "=" or as the next word.
    const QString separator = name.size() == 1 ? QString() : QStringLiteral("=");
    return names + separator + QLatin1Char('[') + description + QStringLiteral("]:") +
           zshText(latin1(option.valueName)) + QLatin1Char(':') +
           zshAction(option.value, option.choices, choices(option)) + QLatin1Char('\'');
}

QString zshArguments(const Scope& scope, const QString& indent, const QString& tail) {
    QStringList specs;
    for (const CliOption* option : scope.options)
        specs << zshOption(*option);
    for (const CliArgument& argument : scope.positional) {
        const bool many = argument.syntax && QByteArray(argument.syntax).contains("...");
        specs << QStringLiteral("'%1:%2:%3'")
                     .arg(many ? QStringLiteral("*") : QString(), zshText(latin1(argument.name)),
                          zshAction(argument.value, argument.fileTypes, {}));
    }
    return indent + QStringLiteral("_arguments -s -S \\\n") + indent + QStringLiteral("    ") +
           specs.join(QStringLiteral(" \\\n") + indent + QStringLiteral("    ")) + tail;
}

} // namespace

QByteArray zshCompletion(const CompletionProgram& program) {
    const QString function = QLatin1Char('_') + program.name;
    QString text = QStringLiteral("#compdef %1\n# zsh completion for %1, generated from its "
                                  "command table.\n\n")
                       .arg(program.name);
    text += QStringLiteral("_tintora_themes() {\n"
                           "    local -a themes data\n"
                           "    [[ -n ${opt_args[--data-dir]} ]] && data=(--data-dir "
                           "${opt_args[--data-dir]})\n"
                           "    themes=(${(f)\"$(_call_program themes %1 themes $data "
                           "2>/dev/null)\"})\n"
                           // _describe reads a colon as the start of a description.
                           "    themes=(\"${themes[@]//:/\\\\:}\")\n"
                           "    _describe -t themes theme themes\n"
                           "}\n\n")
                .arg(program.name);
    text += function + QStringLiteral("() {\n"
                                      "    local curcontext=$curcontext state state_descr line "
                                      "ret=1\n"
                                      "    typeset -A opt_args\n");
    const std::vector<Scope> scopes = scopesOf(program);
    if (!program.commands) {
        text += zshArguments(scopes.front(), QStringLiteral("    "), QStringLiteral(" && ret=0\n"));
    } else {
        Scope top{QString(), QString(), program.options, {}};
        text += zshArguments(top, QStringLiteral("    "),
                             QStringLiteral(" \\\n        '1:command:->command' \\\n"
                                            "        '*::argument:->argument' && ret=0\n"));
        text += QStringLiteral("    case $state in\n"
                               "    command)\n"
                               "        local -a commands\n"
                               "        commands=(\n");
        for (const Scope& scope : scopes)
            text += QStringLiteral("            '%1:%2'\n").arg(scope.name, zshText(scope.summary));
        text += QStringLiteral("        )\n"
                               "        _describe -t commands command commands && ret=0\n"
                               "        ;;\n"
                               "    argument)\n"
                               "        curcontext=${curcontext%:*:*}:%1-$words[1]:\n"
                               "        case $words[1] in\n")
                    .arg(program.name);
        for (const Scope& scope : scopes)
            text +=
                QStringLiteral("        %1)\n").arg(scope.name) +
                zshArguments(scope, QStringLiteral("            "), QStringLiteral(" && ret=0\n")) +
                QStringLiteral("            ;;\n");
        text += QStringLiteral("        esac\n"
                               "        ;;\n"
                               "    esac\n");
    }
    text += QStringLiteral("    return ret\n}\n\n") + function + QStringLiteral(" \"$@\"\n");
    return text.toUtf8();
}

// --- fish ------------------------------------------------------------------------

namespace {

QString fishText(const QString& text) {
    QString escaped = text;
    escaped.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    escaped.replace(QLatin1Char('\''), QStringLiteral("\\'"));
    return QLatin1Char('\'') + escaped + QLatin1Char('\'');
}

QString fishValue(CliValue kind, const char* types, const QStringList& words) {
    switch (kind) {
    case CliValue::Choice:
        return QStringLiteral("-x -a %1").arg(fishText(words.join(QLatin1Char(' '))));
    case CliValue::File: {
        const QStringList endings = fileTypes(types);
        if (endings.isEmpty())
            return QStringLiteral("-r -F");
        QStringList suffixes;
        for (const QString& ending : endings)
            suffixes << QLatin1Char('.') + ending;
        return QStringLiteral("-x -a '(__fish_complete_suffix %1)'")
            .arg(suffixes.join(QLatin1Char(' ')));
    }
    case CliValue::Folder:
        return QStringLiteral("-x -a '(__fish_complete_directories)'");
    case CliValue::Theme:
        return QStringLiteral("-x -a '(__tintora_themes)'");
    case CliValue::None:
        break;
    case CliValue::Name:
        return QStringLiteral("-x");
    }
    return {};
}

QString fishOption(const QString& start, const CliOption& option) {
    const QString name = latin1(option.name);
    QString line =
        start + (name.size() == 1 ? QStringLiteral(" -o ") : QStringLiteral(" -l ")) + name;
    if (option.shortName)
        line += QStringLiteral(" -s ") + latin1(option.shortName);
    if (option.valueName)
        line += QLatin1Char(' ') + fishValue(option.value, option.choices, choices(option));
    return line + QStringLiteral(" -d ") + fishText(brief(option.description)) + QLatin1Char('\n');
}

} // namespace

QByteArray fishCompletion(const CompletionProgram& program) {
    const QString complete = QStringLiteral("complete -c ") + program.name;
    QString text = QStringLiteral("# fish completion for %1, generated from its command table.\n\n"
                                  "function __tintora_themes\n"
                                  "    set -l words (commandline -opc)\n"
                                  "    set -l data\n"
                                  "    for i in (seq (count $words))\n"
                                  "        if test \"$words[$i]\" = --data-dir; and test $i -lt "
                                  "(count $words)\n"
                                  "            set data --data-dir $words[(math $i + 1)]\n"
                                  "        end\n"
                                  "    end\n"
                                  "    command -q -- $words[1]; or return\n"
                                  "    $words[1] themes $data 2>/dev/null\n"
                                  "end\n\n")
                       .arg(program.name);
    text += complete + QStringLiteral(" -f\n");
    const std::vector<Scope> scopes = scopesOf(program);
    if (!program.commands) {
        for (const CliOption* option : program.options)
            text += fishOption(complete, *option);
        for (const CliArgument& argument : program.positional)
            text += complete + QLatin1Char(' ') +
                    fishValue(argument.value, argument.fileTypes, {}) + QLatin1Char('\n');
        return text.toUtf8();
    }
    const QString before = complete + QStringLiteral(" -n __fish_use_subcommand");
    for (const CliOption* option : program.options)
        text += fishOption(before, *option);
    for (const Scope& scope : scopes)
        text += before + QStringLiteral(" -a %1 -d %2\n").arg(scope.name, fishText(scope.summary));
    for (const Scope& scope : scopes) {
        const QString in =
            complete + QStringLiteral(" -n '__fish_seen_subcommand_from %1'").arg(scope.name);
        for (const CliOption* option : scope.options)
            text += fishOption(in, *option);
        for (const CliArgument& argument : scope.positional)
            text += in + QLatin1Char(' ') + fishValue(argument.value, argument.fileTypes, {}) +
                    QLatin1Char('\n');
    }
    return text.toUtf8();
}
