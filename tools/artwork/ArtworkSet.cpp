#include "ArtworkSet.h"

#include "CoverPainter.h"
#include "DecorAnimations.h"
#include "FlagPainter.h"
#include "HandPainter.h"
#include "ImageFiles.h"
#include "KeyPainter.h"
#include "NavigationIcons.h"
#include "PaperTexture.h"
#include "ReactionAnimations.h"
#include "SoundSynth.h"
#include "ToolIcons.h"

namespace
{

struct Picture {
    QStringView path;
    QImage (*paint)();
};

struct Animation {
    QStringView path;
    GifWriter (*animate)();
};

struct Sound {
    QStringView path;
    WavWriter (*synthesise)();
};

// Photographs and flags, where a few lost bits do not show.
const Picture Jpegs[] = {
    {u"fondo.jpg", PaperTexture::tile},
    {u"imagenes/portada.jpg", CoverPainter::cover},
    {u"banderas/Castellano.jpg", FlagPainter::spain},
    {u"banderas/Català.jpg", FlagPainter::catalonia},
    {u"banderas/Galego.jpg", FlagPainter::galicia},
    {u"banderas/Euskara.jpg", FlagPainter::basqueCountry},
    {u"banderas/English.jpg", FlagPainter::unitedKingdom},
};

// Pictures with exact colours or transparency.
const Picture Pngs[] = {
    {u"imagenes/teclora.png", CoverPainter::appIcon},
    {u"imagenes/intro.png", KeyPainter::enterKey},
    {u"imagenes/mayus.png", KeyPainter::shiftKey},
    {u"imagenes/botones/siguiente.png", NavigationIcons::next},
    {u"imagenes/botones/anterior.png", NavigationIcons::previous},
    {u"imagenes/botones/empezar.png", NavigationIcons::start},
    {u"imagenes/botones/azar.png", NavigationIcons::random},
    {u"imagenes/botones/progreso.png", ToolIcons::progress},
    {u"imagenes/botones/historial.png", ToolIcons::history},
    {u"imagenes/botones/letra.png", ToolIcons::textSize},
    {u"imagenes/botones/informe.png", ToolIcons::report},
    {u"imagenes/botones/teclado.png", ToolIcons::keyboardShown},
    {u"imagenes/botones/sinteclado.png", ToolIcons::keyboardHidden},
    {u"imagenes/botones/distribucion.png", ToolIcons::keyboardLayout},
    {u"imagenes/botones/minimizar.png", ToolIcons::minimise},
    {u"imagenes/botones/salir.png", ToolIcons::exit},
    {u"imagenes/botones/ajustes.png", ToolIcons::settings},
    {u"imagenes/botones/examen.png", ToolIcons::exam},
    {u"imagenes/botones/abrir.png", ToolIcons::openText},
};

const Animation Gifs[] = {
    {u"gifs/si.gif", ReactionAnimations::right},
    {u"gifs/no.gif", ReactionAnimations::wrong},
    {u"gifs/linea.gif", DecorAnimations::line},
    {u"gifs/laola.gif", DecorAnimations::wave},
    {u"gifs/feli2.gif", DecorAnimations::cheerfulTypist},
};

const Sound Wavs[] = {
    {u"fallo.wav", SoundSynth::errorSound},
    {u"fin.wav", SoundSynth::endChime},
};

} // namespace

namespace ArtworkSet
{

QStringList writeAll(const QDir &dataDir, QTextStream &log)
{
    QStringList failed;
    const auto write = [&](const QString &path, const QByteArray &content) {
        if (ImageFiles::save(dataDir.filePath(path), content)) {
            log << path << u' ' << content.size() << Qt::endl;
        } else {
            failed.append(path);
        }
    };
    for (const Picture &picture : Jpegs) {
        write(picture.path.toString(), ImageFiles::jpeg(picture.paint()));
    }
    for (const Picture &picture : Pngs) {
        write(picture.path.toString(), ImageFiles::png(picture.paint()));
    }
    for (int finger = 0; finger < 10; ++finger) {
        write(QStringLiteral("imagenes/dedo%1.png").arg(finger), ImageFiles::png(HandPainter::fingerPicture(finger)));
    }
    for (const Animation &animation : Gifs) {
        write(animation.path.toString(), animation.animate().encode());
    }
    for (const Sound &sound : Wavs) {
        write(sound.path.toString(), sound.synthesise().encode());
    }
    return failed;
}

} // namespace ArtworkSet
