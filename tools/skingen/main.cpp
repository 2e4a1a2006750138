// Paints the program's skin pictures at build time.
#include "SkinGenerator.h"

#include <QCommandLineParser>
#include <QGuiApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Paints the skin pictures of mousecfg."));
    parser.addHelpOption();
    const QCommandLineOption skinOption(QStringLiteral("skin"), QStringLiteral("Skin folder to fill."),
                                        QStringLiteral("dir"));
    const QCommandLineOption productOption(QStringLiteral("product"),
                                           QStringLiteral("Product whose mouse pictures are painted."),
                                           QStringLiteral("name"));
    const QCommandLineOption resourceOption(QStringLiteral("resources"),
                                            QStringLiteral("Folder for the compiled-in pictures."),
                                            QStringLiteral("dir"));
    const QCommandLineOption iconOption(QStringLiteral("icons"),
                                        QStringLiteral("Icon theme folder (hicolor) for the program's icon."),
                                        QStringLiteral("dir"));
    parser.addOptions({ skinOption, productOption, resourceOption, iconOption });
    parser.process(app);

    QString error;
    bool ok = true;
    if (parser.isSet(skinOption))
        ok = WriteImages(SkinImages(parser.value(productOption)), parser.value(skinOption), &error);
    if (ok && parser.isSet(resourceOption))
        ok = WriteImages(ResourceImages(), parser.value(resourceOption), &error);
    if (ok && parser.isSet(iconOption))
        ok = WriteImages(IconThemeImages(), parser.value(iconOption), &error);
    if (!ok) {
        std::fprintf(stderr, "mousecfg-skingen: cannot write %s\n", qPrintable(error));
        return 1;
    }
    return 0;
}
