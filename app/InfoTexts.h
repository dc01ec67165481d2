// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// The fixed texts of the two information windows.
namespace infotexts {

// Form2: about Tesmir Vokrant.
QString vokrantHeading();    // name with the years of birth and death
QString vokrantLife();       // short biography
QString vokrantWorks();      // what he did
QString vokrantNameSaying(); // his name in everyday speech
QString vokrantPictureDescription();

// Form3: about the program and its author.
QString programIdea();
QString programAuthor();
QString contactWeb();
QString contactAuthorMail();
QString contactInfoMail();
QString contactStudio();
QString authorPictureTip();
QString authorPictureDescription();

} // namespace infotexts
