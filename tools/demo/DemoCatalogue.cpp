#include "DemoCatalogue.h"

namespace {

DemoShot Bmp(const QString& name) { return {name, ShotFormat::Bmp, false}; }
DemoShot Jpeg(const QString& name) { return {name, ShotFormat::Jpeg, false}; }

// A track with one screenshot beside it named as the file, in the given format.
DemoMedia Track(const QString& path, ShotFormat format)
{
    const QString stem = path.left(path.lastIndexOf(QLatin1Char('.')));
    DemoMedia media;
    media.RelativePath = path;
    media.Shots = {{stem + (format == ShotFormat::Bmp ? QStringLiteral(".bmp") : QStringLiteral(".jpg")), format, false}};
    return media;
}

// A track with the screenshots given.
DemoMedia Track(const QString& path, std::vector<DemoShot> shots)
{
    DemoMedia media;
    media.RelativePath = path;
    media.Shots = std::move(shots);
    return media;
}

DemoMedia WithHistory(DemoMedia media, qint32 rides, qint32 daysAgo, const QString& rating, const QString& notes)
{
    media.RideCount = rides;
    media.DaysSinceRide = daysAgo;
    media.Rating = rating;
    media.Notes = notes;
    return media;
}

// A package in "Packages/" with its track, an object folder two levels deep and a car texture.
DemoMedia Package(const QString& fileName, const QString& track, const QString& objectFolder,
                  std::vector<DemoShot> shots, std::vector<DemoPackageFile> more = {})
{
    DemoMedia media;
    media.RelativePath = QStringLiteral("Packages/") + fileName;
    media.Shots = std::move(shots);
    for (DemoShot& shot : media.Shots)
        shot.Name.prepend(QStringLiteral("Packages/"));
    media.PackageTrack = track;
    media.PackageFiles = {{QStringLiteral("objects\\%1\\").arg(objectFolder), QStringLiteral("station.obj")},
                          {QStringLiteral("objects\\%1\\trains\\").arg(objectFolder), QStringLiteral("car.obj")},
                          {QStringLiteral("cartextures\\%1\\").arg(objectFolder), QStringLiteral("paint.tex")}};
    media.PackageFiles.insert(media.PackageFiles.end(), more.begin(), more.end());
    return media;
}

} // namespace

std::vector<DemoMedia> DemoCatalogue()
{
    const ShotFormat B = ShotFormat::Bmp;
    const ShotFormat J = ShotFormat::Jpeg;
    std::vector<DemoMedia> all = {
        // Underscores become blanks, and auto-format capitalises each word.
        WithHistory(Track(QStringLiteral("Loop_Master (by Anna).tktrack"), B), 3, 2, QStringLiteral("****"),
                    QStringLiteral("Underscores became blanks; without a \"[\" the brackets stay in the title.")),
        Track(QStringLiteral("my_big_coaster.tktrack"),
              {Bmp(QStringLiteral("my_big_coaster.bmp")), Jpeg(QStringLiteral("my_big_coaster 2.jpg"))}),
        Track(QStringLiteral("nemesis_returns.tktrack"), J),
        Track(QStringLiteral("desert_storm.tktrack"), B),
        Track(QStringLiteral("wooden_wonder.tktrack"), J),
        Track(QStringLiteral("family_coaster_for_kids.tktrack"), B),
        Track(QStringLiteral("rock'n'roll_express.tktrack"), J),
        // AUTHOR - TITLE: the author keeps its letter case, the title is formatted.
        WithHistory(Track(QStringLiteral("John Smith - Big Drop.tktrack"), J), 7, 1, QStringLiteral("*****"),
                    QStringLiteral("The dash filter took the author from before the first \"-\".")),
        Track(QStringLiteral("john smith - steel dragon.tktrack"), B),
        Track(QStringLiteral("Peter Holt - Cyclone.tktrack"), J),
        Track(QStringLiteral("Lena Fischer - Polar Express.tktrack"), B),
        Track(QStringLiteral("anna_k - night_flight.tktrack"), J),
        WithHistory(Track(QStringLiteral("a-b-c.tktrack"), B), 1, 30, QString(),
                    QStringLiteral("Only the first \"-\" splits: author \"a\", title \"B-C\".")),
        Track(QStringLiteral("- Intro Lift.tktrack"), J),
        WithHistory(Track(QStringLiteral("Mega-Coaster 3000.tktrack"), B), 0, 0, QString(),
                    QStringLiteral("A dash inside a name splits it too; turn the dash filter off in the settings.")),
        // TITLE [*] (AUTHOR)
        Track(QStringLiteral("Comet [final] (Sarah Lee).tktrack"), J),
        Track(QStringLiteral("Blue Streak [final] (Kim-Lee).tktrack"), B),
        Track(QStringLiteral("Looping Star [beta 3] (Hanna Berg).tktrack"), J),
        Track(QStringLiteral("Hyper Twister [race] (Tom O'Neil).tktrack"), B),
        WithHistory(Track(QStringLiteral("Coaster [x] (Bob) final.tktrack"), J), 2, 12, QStringLiteral("**"),
                    QStringLiteral("The author is everything after \"(\" less the name's last character.")),
        Track(QStringLiteral("Name (Bob) [x].tktrack"), B),
        // Blanks at both ends, and auto-format's letter rules.
        Track(QStringLiteral("  Wild Mouse  .tktrack"), J),
        Track(QStringLiteral("McDONALD.tktrack"), B),
        Track(QStringLiteral("THE BIG ONE.tktrack"), J),
        Track(QStringLiteral("giga drop 300ft.tktrack"), B),
        Track(QStringLiteral("Dragon's Lair.tktrack"), J),
        // Plain names; some with several screenshots (the first by name is shown), one whose
        // screenshot differs in letter case, one whose screenshot is in the simulator's folder.
        WithHistory(Track(QStringLiteral("Thunder Run.tktrack"), {Bmp(QStringLiteral("Thunder Run.bmp")),
                                                                   Jpeg(QStringLiteral("Thunder Run 2.jpg")),
                                                                   Jpeg(QStringLiteral("Thunder Run 3.jpg"))}),
                    12, 0, QStringLiteral("*****"),
                    QStringLiteral("Three screenshots: the first by name is shown.")),
        Track(QStringLiteral("batwing.tktrack"), {Jpeg(QStringLiteral("BATWING.jpg"))}),
        Track(QStringLiteral("sky_rocket_v2.tktrack"), B),
        Track(QStringLiteral("El Toro Loco.tktrack"), J),
        Track(QStringLiteral("Corkscrew Classic.tktrack"), B),
        Track(QStringLiteral("Zig Zag Mine Train.tktrack"), J),
        Track(QStringLiteral("Boomerang 1978.tktrack"), B),
        Track(QStringLiteral("Jungle Twister.tktrack"), J),
        WithHistory(Track(QStringLiteral("Night Ride.tktrack"), {{QStringLiteral("Night Ride_001.jpg"), ShotFormat::Jpeg, true}}), 4, 5, QStringLiteral("***"),
                    QStringLiteral("No screenshot beside the file: this one is in the simulator's Screenshots folder.")),
        // Subfolders are scanned after every file of the folders above them.
        Track(QStringLiteral("Classics/Cyclone 1927.tktrack"), J),
        Track(QStringLiteral("Classics/Scenic Railway.tktrack"), B),
        Track(QStringLiteral("Classics/Wild_Cat.tktrack"), J),
        Track(QStringLiteral("Contest 2026/Maria Lopez - Sea Wave.tktrack"), B),
        Track(QStringLiteral("Contest 2026/Rapid Fire [entry 12] (Jo Park).tktrack"), J),
    };

    // Packages. After a ride the screenshot is looked up by the name of the track the package
    // installed: "Steel Dragon*" still finds the package's own screenshot, "Sea Serpent*" finds a
    // second one.
    all.push_back(WithHistory(
        Package(QStringLiteral("Steel Dragon [beta] (John Smith).tkpack"), QStringLiteral("Steel Dragon.tktrack"),
                QStringLiteral("SteelDragon"), {Jpeg(QStringLiteral("Steel Dragon [beta] (John Smith).jpg"))}),
        0, 0, QString(),
        QStringLiteral("Ride it: its files are unpacked into the simulator's folders and removed again when the simulator closes.")));
    all.push_back(Package(QStringLiteral("Maria Lopez - Sea Serpent.tkpack"), QStringLiteral("Sea Serpent.tktrack"),
                          QStringLiteral("SeaSerpent"),
                          {Bmp(QStringLiteral("Maria Lopez - Sea Serpent.bmp")), Jpeg(QStringLiteral("Sea Serpent.jpg"))}));
    all.push_back(Package(QStringLiteral("jungle_expedition.tkpack"), QStringLiteral("jungle_expedition.tktrack"),
                          QStringLiteral("JungleExpedition"), {Jpeg(QStringLiteral("jungle_expedition.jpg"))},
                          {{QStringLiteral("environments\\jungle\\"), QStringLiteral("trees.env")},
                           {QStringLiteral("teratextures\\"), QStringLiteral("jungle_mud.tex")}}));
    all.push_back(Package(QStringLiteral("Midnight_Express.tkpack"), QStringLiteral("Midnight_Express.tktrack"),
                          QStringLiteral("MidnightExpress"), {Bmp(QStringLiteral("Midnight_Express.bmp"))}));
    all.push_back(Package(QStringLiteral("Alpine Bobsled [v2] (Karl Weber).tkpack"), QStringLiteral("Alpine Bobsled.tktrack"),
                          QStringLiteral("AlpineBobsled"), {Jpeg(QStringLiteral("Alpine Bobsled [v2] (Karl Weber).jpg"))},
                          {{QStringLiteral("objects\\AlpineBobsled\\snow\\drifts\\"), QStringLiteral("drift.obj")}}));
    return all;
}
