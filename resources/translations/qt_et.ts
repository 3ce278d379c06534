<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- SPDX-License-Identifier: GPL-3.0-or-later -->
<!-- The toolkit's texts that Vorandel shows, in Estonian. -->
<TS version="2.1" language="et_EE" sourcelanguage="en">
<context>
    <name>QAbstractFileIconProvider</name>
    <message>
        <source>Drive</source>
        <translation>Ketas</translation>
    </message>
    <message>
        <source>Folder</source>
        <comment>All other platforms</comment>
        <translation>Kaust</translation>
    </message>
</context>
<context>
    <name>QIODevice</name>
    <message>
        <source>Permission denied</source>
        <translation>Luba puudub</translation>
    </message>
    <message>
        <source>Too many open files</source>
        <translation>Liiga palju avatud faile</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>Faili ega kausta pole</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>Seadmel pole ruumi</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Tundmatu viga</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Kustuta</translation>
    </message>
    <message>
        <source>&amp;New Folder</source>
        <translation>&amp;Uus kaust</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Ava</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>&amp;Nimeta ümber</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salvesta</translation>
    </message>
    <message>
        <source>Alt+Left</source>
        <translation>Alt+Left</translation>
    </message>
    <message>
        <source>Alt+Right</source>
        <translation>Alt+Right</translation>
    </message>
    <message>
        <source>Alt+Up</source>
        <translation>Alt+Up</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Kõik failid (*)</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Tagasi</translation>
    </message>
    <message>
        <source>Change to detail view mode</source>
        <translation>Lülita üksikasjalikule vaatele</translation>
    </message>
    <message>
        <source>Change to list view mode</source>
        <translation>Lülita loendivaatele</translation>
    </message>
    <message>
        <source>Create New Folder</source>
        <translation>Loo uus kaust</translation>
    </message>
    <message>
        <source>Create a New Folder</source>
        <translation>Loo uus kaust</translation>
    </message>
    <message>
        <source>Detail View</source>
        <translation>Üksikasjalik vaade</translation>
    </message>
    <message>
        <source>File &amp;name:</source>
        <translation>Faili &amp;nimi:</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Failid</translation>
    </message>
    <message>
        <source>Files of type:</source>
        <translation>Faili tüüp:</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Edasi</translation>
    </message>
    <message>
        <source>Go back</source>
        <translation>Mine tagasi</translation>
    </message>
    <message>
        <source>Go forward</source>
        <translation>Mine edasi</translation>
    </message>
    <message>
        <source>Go to the parent directory</source>
        <translation>Mine ülemkausta</translation>
    </message>
    <message>
        <source>List View</source>
        <translation>Loendivaade</translation>
    </message>
    <message>
        <source>List of places and bookmarks</source>
        <translation>Kohtade ja järjehoidjate loend</translation>
    </message>
    <message>
        <source>Look in:</source>
        <translation>Kaust:</translation>
    </message>
    <message>
        <source>Parent Directory</source>
        <translation>Ülemkaust</translation>
    </message>
    <message>
        <source>Show </source>
        <translation>Näita </translation>
    </message>
    <message>
        <source>Show &amp;hidden files</source>
        <translation>Näita &amp;peidetud faile</translation>
    </message>
    <message>
        <source>Sidebar</source>
        <translation>Külgriba</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 on juba olemas.
Kas asendada see?</translation>
    </message>
    <message>
        <source>Are you sure you want to delete '%1'?</source>
        <translation>Kas kustutada '%1'?</translation>
    </message>
    <message>
        <source>'%1' is write protected.
Do you want to delete it anyway?</source>
        <translation>'%1' on kirjutuskaitstud.
Kas kustutada see ikkagi?</translation>
    </message>
    <message>
        <source>Could not delete directory.</source>
        <translation>Kausta ei saanud kustutada.</translation>
    </message>
    <message>
        <source>%1
Directory not found.
Please verify the correct directory name was given.</source>
        <translation>%1
Kausta ei leitud.
Kontrolli, kas kausta nimi on õige.</translation>
    </message>
    <message>
        <source>%1
File not found.
Please verify the correct file name was given.</source>
        <translation>%1
Faili ei leitud.
Kontrolli, kas faili nimi on õige.</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>Uus kaust</translation>
    </message>
    <message>
        <source>Recent Places</source>
        <translation>Viimati kasutatud kohad</translation>
    </message>
    <message>
        <source>Directory:</source>
        <translation>Kaust:</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Salvesta kui</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ava</translation>
    </message>
    <message>
        <source>Find Directory</source>
        <translation>Vali kaust</translation>
    </message>
</context>
<context>
    <name>QFileSystemModel</name>
    <message>
        <source>Computer</source>
        <translation>Arvuti</translation>
    </message>
    <message>
        <source>Date Modified</source>
        <translation>Muutmise aeg</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nimi</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Suurus</translation>
    </message>
    <message>
        <source>Type</source>
        <comment>All other platforms</comment>
        <translation>Tüüp</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <comment>Translate this string to the string &apos;LTR&apos; in left-to-right languages or to &apos;RTL&apos; in right-to-left languages (such as Hebrew and Arabic) to get proper widget layout.</comment>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Jah</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Ei</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Loobu</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ava</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvesta</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sulge</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Rakenda</translation>
    </message>
</context>
<context>
    <name>QPrintDialog</name>
    <message>
        <source>&amp;Options &gt;&gt;</source>
        <translation>&amp;Valikud &gt;&gt;</translation>
    </message>
    <message>
        <source>&amp;Options &lt;&lt;</source>
        <translation>&amp;Valikud &lt;&lt;</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Prindi</translation>
    </message>
    <message>
        <source>All Pages</source>
        <translation>Kõik leheküljed</translation>
    </message>
    <message>
        <source>Even Pages</source>
        <translation>Paarisleheküljed</translation>
    </message>
    <message>
        <source>Odd Pages</source>
        <translation>Paaritud leheküljed</translation>
    </message>
    <message>
        <source>Local file</source>
        <translation>Kohalik fail</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Printimine</translation>
    </message>
    <message>
        <source>Print to File (PDF)</source>
        <translation>Prindi faili (PDF)</translation>
    </message>
    <message>
        <source>Write PDF file</source>
        <translation>Kirjuta PDF-fail</translation>
    </message>
</context>
<context>
    <name>QPrintSettingsOutput</name>
    <message>
        <source>Collate</source>
        <translation>Järjesta eksemplarid</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Värviline</translation>
    </message>
    <message>
        <source>Color Mode</source>
        <translation>Värvirežiim</translation>
    </message>
    <message>
        <source>Copies</source>
        <translation>Eksemplarid</translation>
    </message>
    <message>
        <source>Copies:</source>
        <translation>Eksemplare:</translation>
    </message>
    <message>
        <source>Current Page</source>
        <translation>Praegune lehekülg</translation>
    </message>
    <message>
        <source>Double Sided Printing</source>
        <translation>Kahepoolne printimine</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>Vorm</translation>
    </message>
    <message>
        <source>Grayscale</source>
        <translation>Halltoonides</translation>
    </message>
    <message>
        <source>Long side binding</source>
        <translation>Köide pikal küljel</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Väljas</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Valikud</translation>
    </message>
    <message>
        <source>Output Settings</source>
        <translation>Väljundi seaded</translation>
    </message>
    <message>
        <source>Page Set:</source>
        <translation>Leheküljed:</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Leheküljed</translation>
    </message>
    <message>
        <source>Pages from</source>
        <translation>Leheküljed</translation>
    </message>
    <message>
        <source>Print all</source>
        <translation>Kõik</translation>
    </message>
    <message>
        <source>Print range</source>
        <translation>Prinditav osa</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>Vastupidises järjekorras</translation>
    </message>
    <message>
        <source>Selection</source>
        <translation>Valitud osa</translation>
    </message>
    <message>
        <source>Short side binding</source>
        <translation>Köide lühikesel küljel</translation>
    </message>
    <message>
        <source>Specify pages or ranges separated by commas. Ranges are specified by two numbers separated by a hyphen. E.g: 3,5-7,9 prints pages 3, 5, 6, 7 and 9.</source>
        <translation>Leheküljed või vahemikud komadega eraldatult; vahemik on kaks sidekriipsuga eraldatud arvu. Näiteks 3,5-7,9 prindib leheküljed 3, 5, 6, 7 ja 9.</translation>
    </message>
    <message>
        <source>to</source>
        <translation>kuni</translation>
    </message>
</context>
<context>
    <name>QPrintWidget</name>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nimi:</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>Vorm</translation>
    </message>
    <message>
        <source>Location:</source>
        <translation>Asukoht:</translation>
    </message>
    <message>
        <source>Output &amp;file:</source>
        <translation>Väljund&amp;fail:</translation>
    </message>
    <message>
        <source>P&amp;roperties</source>
        <translation>&amp;Omadused</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Eelvaade</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Printer</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Tüüp:</translation>
    </message>
</context>
<context>
    <name>QTabBar</name>
    <message>
        <source>Scroll Left</source>
        <translation>Keri vasakule</translation>
    </message>
    <message>
        <source>Scroll Right</source>
        <translation>Keri paremale</translation>
    </message>
</context>
</TS>
