// SPDX-License-Identifier: MIT
#include "app/InfoTexts.h"

namespace infotexts {

QString vokrantHeading() { return QStringLiteral("Tesmir Vokrant (1868 - 1936)"); }

QString vokrantLife() {
  return QStringLiteral("Tesmir Vokrant rodjen je 1868. godine u selu Donji Rasnik, u dolini reke Jelave. "
                        "Studije matematike zavrsio je u Vrelogradu, a ceo radni vek proveo je kao profesor "
                        "logike u gimnaziji u Kaldoru. Bio je ozenjen i imao dvoje dece.");
}

QString vokrantWorks() {
  return QStringLiteral(
      "Vokrant je bio strpljiv ucitelj vise nego veliki pronalazac. Verovao je da se misljenje uci kao zanat: "
      "malim koracima, uz olovku i papir. Za svoje djake smislio je stotine zadataka u kojima se iz kratkih, "
      "naizgled nepovezanih podataka dolazi do jednog jedinog resenja. Najpoznatiji medju njima je zadatak o pet "
      "kuca, koji je prvi put objavio 1904. godine u skolskom listu \"Kaldorski djak\". U knjizi \"Red u glavi\" "
      "(1911) opisao je tablicu iskljucivanja, kojom se svaki takav zadatak resava bez pogadjanja. Osnovao je "
      "Kruzok za pravilno misljenje, koji se nedeljom sastajao u gradskoj citaonici i okupljao djake, zanatlije i "
      "penzionisane postare. Pred kraj zivota sakupio je svoje zagonetke u zbirku \"Zadaci za duge zimske "
      "veceri\" (1929), koja je dozivela jedanaest izdanja. Umro je 1936. godine u Kaldoru i ostavio za sobom "
      "beleznice pune nedovrsenih zadataka. Djaci su ga pamtili po recenici: \"Ne pogadjaj, nego iskljucuj.\"");
}

QString vokrantNameSaying() {
  return QStringLiteral("U narodu se i danas kaze \"pravi Vokrant\" za nekoga ko misli brzo i tacno, a "
                        "\"vokrantovati\" znaci resiti nesto glavom, a ne srecom.");
}

QString programIdea() {
  return QStringLiteral(
      "Ideja za ovaj program rodila se jedne kisne jeseni, kada mi je u ruke dospela stara, pohabana zbirka "
      "Vokrantovih zadataka. Zadatak o pet kuca resavali smo prijatelji i ja uz olovku i papir, i svi smo se "
      "slozili da je najlepsi kada se resava sa satom na stolu. Tako je nastao ovaj test: petnaest podataka, pet "
      "kuca, trideset minuta i tri pokusaja. Zadatak je star vise od sto godina, ali ne zastareva. Ako ga resite, "
      "pripadate malom broju ljudi koji imaju strpljenja da misle do kraja. Srecno!");
}

QString programAuthor() {
  return QStringLiteral(
      "Autor programa je Milovan Trsic, programer iz Kaldora i osnivac malog studija Belmora, koji vec dugo pravi "
      "obrazovne programe i igre za racunare. Pored zagonetki voli sah, stare satove i duge setnje pored reke. "
      "Ovaj test je njegov mali poklon Tesmiru Vokrantu i svima koji vole da misle. Pisite mu: rado odgovara na "
      "pitanja, kritike i predloge za nove zadatke.");
}

QString contactWeb() { return QStringLiteral("www.belmora.example"); }
QString contactAuthorMail() { return QStringLiteral("autor@belmora.example"); }
QString contactInfoMail() { return QStringLiteral("podrska@belmora.example"); }
QString contactStudio() { return QStringLiteral("Studio Belmora, Kaldor"); }

QString authorPictureTip() { return QStringLiteral("Autor, u trenutku kada je shvatio ko gaji ribu."); }

// What the pictures show, for those who cannot see them.
QString vokrantPictureDescription() {
  return QStringLiteral("Gravira u medaljonu: Tesmir Vokrant sa naocarima, brkovima i kratkom siljatom bradom, "
                        "iznad plocice sa imenom.");
}
QString authorPictureDescription() {
  return QStringLiteral("Crtez: autor pred tablom sa pet kuca, jednom rukom se cese po glavi, u drugoj drzi solju. ") +
         authorPictureTip();
}

} // namespace infotexts
