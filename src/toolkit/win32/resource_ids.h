/* Identifiers of the executable's resources, shared by its resource script
   (app/win32_main/QuilloSlides.rc.in) and the toolkit, which loads them. Read by the
   resource compiler too: plain #defines only. */
#pragma once

/* The program icon; windows take it as their icon. */
#define IDI_APP 1

/* The name the system's screen-saver list shows (string 1 by that list's convention). */
#define IDS_DESCRIPTION 1
