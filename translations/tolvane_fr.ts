<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>FormatFileSize</name>
    <message>
        <source>%1 MB</source>
        <translation>%1 Mo</translation>
    </message>
    <message>
        <source>%1 Bytes</source>
        <translation>%1 o</translation>
    </message>
    <message>
        <source>%1 KB</source>
        <translation>%1 Ko</translation>
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
    <name>TBatch</name>
    <message>
        <source>Can&apos;t create &quot;%1&quot;: %2.</source>
        <translation>Impossible de créer «&#xa0;%1&#xa0;»&#xa0;: %2.</translation>
    </message>
    <message>
        <source>No free output name is left for &quot;%1&quot; in &quot;%2&quot;.</source>
        <translation>Il ne reste aucun nom de sortie libre pour «&#xa0;%1&#xa0;» dans «&#xa0;%2&#xa0;».</translation>
    </message>
    <message>
        <source>No output name for &quot;%1&quot; fits in &quot;%2&quot;.</source>
        <translation>Aucun nom de sortie pour «&#xa0;%1&#xa0;» n’est assez court pour «&#xa0;%2&#xa0;».</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no longer there, or is not a file.</source>
        <translation>«&#xa0;%1&#xa0;» n’existe plus ou n’est pas un fichier.</translation>
    </message>
    <message>
        <source>Can&apos;t open &quot;%1&quot;: %2.</source>
        <translation>Impossible d’ouvrir «&#xa0;%1&#xa0;»&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Can&apos;t create a file in &quot;%1&quot;: %2.</source>
        <translation>Impossible de créer un fichier dans «&#xa0;%1&#xa0;»&#xa0;: %2.</translation>
    </message>
    <message>
        <source>The damaged file &quot;%1&quot; is left on disk: it could not be removed (%2).</source>
        <translation>Le fichier endommagé «&#xa0;%1&#xa0;» est resté sur le disque&#xa0;: impossible de le supprimer (%2).</translation>
    </message>
    <message>
        <source>The codec was stopped by signal %1.</source>
        <translation>Le codec a été arrêté par le signal %1.</translation>
    </message>
    <message>
        <source>The codec ended with exit code %1.</source>
        <translation>Le codec s’est terminé avec le code de sortie %1.</translation>
    </message>
    <message>
        <source>The codec could not write the whole file.</source>
        <translation>Le codec n’a pas pu écrire le fichier en entier.</translation>
    </message>
    <message>
        <source>The codec made no file.</source>
        <translation>Le codec n’a produit aucun fichier.</translation>
    </message>
    <message>
        <source>The codec made an empty file.</source>
        <translation>Le codec a produit un fichier vide.</translation>
    </message>
    <message>
        <source>Can&apos;t make the folder &quot;%1&quot;: a file or a link has its name.</source>
        <translation>Impossible de créer le dossier «&#xa0;%1&#xa0;»&#xa0;: un fichier ou un lien porte déjà ce nom.</translation>
    </message>
    <message>
        <source>Can&apos;t make the folder &quot;%1&quot;: %2.</source>
        <translation>Impossible de créer le dossier «&#xa0;%1&#xa0;»&#xa0;: %2.</translation>
    </message>
    <message>
        <source>The codec found no sound in the file.</source>
        <translation>Le codec n’a trouvé aucun son dans le fichier.</translation>
    </message>
</context>
<context>
    <name>TConverterForm</name>
    <message>
        <source>Please select one AMR file.</source>
        <translation>Veuillez sélectionner un fichier AMR.</translation>
    </message>
    <message>
        <source>Select folder to save MP3 files.</source>
        <translation>Choisissez le dossier où enregistrer les fichiers MP3.</translation>
    </message>
    <message>
        <source>Please select one MP3 file.</source>
        <translation>Veuillez sélectionner un fichier MP3.</translation>
    </message>
    <message>
        <source>Select folder to save AMR files.</source>
        <translation>Choisissez le dossier où enregistrer les fichiers AMR.</translation>
    </message>
    <message>
        <source>Open</source>
        <extracomment>Title of the dialog that adds files to a list</extracomment>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>AMR to MP3</source>
        <translation>AMR vers MP3</translation>
    </message>
    <message>
        <source>AMR Audio File</source>
        <translation>Fichier audio AMR</translation>
    </message>
    <message>
        <source>Output MP3 File</source>
        <translation>Fichier MP3 de sortie</translation>
    </message>
    <message>
        <source>Add AMR Audio</source>
        <translation>Ajouter AMR</translation>
    </message>
    <message>
        <source>Convert to MP3</source>
        <translation>Convertir en MP3</translation>
    </message>
    <message>
        <source>MP3 to AMR</source>
        <translation>MP3 vers AMR</translation>
    </message>
    <message>
        <source>MP3 Audio File</source>
        <translation>Fichier audio MP3</translation>
    </message>
    <message>
        <source>Output AMR File</source>
        <translation>Fichier AMR de sortie</translation>
    </message>
    <message>
        <source>Add MP3 Audio</source>
        <translation>Ajouter MP3</translation>
    </message>
    <message>
        <source>Convert to AMR</source>
        <translation>Convertir en AMR</translation>
    </message>
    <message>
        <source>File Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Delete</source>
        <extracomment>A button that removes the selected row from the list (the file stays)</extracomment>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>Stop</source>
        <extracomment>A small button that ends the running batch</extracomment>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Tous les fichiers</translation>
    </message>
    <message>
        <source>MP3 Files</source>
        <translation>Fichiers MP3</translation>
    </message>
    <message>
        <source>AMR Files</source>
        <translation>Fichiers AMR</translation>
    </message>
    <message>
        <source>Phone Recordings</source>
        <extracomment>A file filter: every kind of file phones keep voice recordings in</extracomment>
        <translation>Enregistrements de téléphone</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A file or folder, then why it could not be converted or added</extracomment>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) or folder(s) could not be added.</source>
        <translation>
            <numerusform>%n fichier ou dossier n’a pas pu être ajouté.</numerusform>
            <numerusform>%n fichiers ou dossiers n’ont pas pu être ajoutés.</numerusform>
        </translation>
    </message>
    <message>
        <source>INFORMATION</source>
        <extracomment>Caption of a message box, in capitals in English</extracomment>
        <translation>INFORMATION</translation>
    </message>
    <message>
        <source>Directory &quot;%1&quot; don&apos;t exists.</source>
        <extracomment>Translate the meaning: the folder %1 does not exist</extracomment>
        <translation>Le dossier «&#xa0;%1&#xa0;» n’existe pas.</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>ERREUR</translation>
    </message>
    <message>
        <source>Audio codec error, please reinstall this software.</source>
        <translation>Erreur du codec audio. Veuillez réinstaller ce logiciel.</translation>
    </message>
    <message>
        <source>Start to decode audio ...</source>
        <translation>Démarrage du décodage…</translation>
    </message>
    <message>
        <source>Decoding audio %1</source>
        <extracomment>The status while a file converts; %1 is how much of the output is written so far, such as &quot;125kb&quot;</extracomment>
        <translation>Décodage audio %1</translation>
    </message>
    <message>
        <source>Can&apos;t decode file.</source>
        <translation>Impossible de décoder le fichier.</translation>
    </message>
    <message>
        <source>Show no more failures in this batch</source>
        <extracomment>A check box in the message about a file that failed</extracomment>
        <translation>Ne plus afficher les échecs de ce lot</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) could not be converted.</source>
        <translation>
            <numerusform>%n fichier n’a pas pu être converti.</numerusform>
            <numerusform>%n fichiers n’ont pas pu être convertis.</numerusform>
        </translation>
    </message>
    <message>
        <source>Can&apos;t start to deocde audio.</source>
        <extracomment>The codec program could not be started (translate the meaning; the English spelling is kept as it always was)</extracomment>
        <translation>Impossible de démarrer le décodage audio.</translation>
    </message>
    <message>
        <source>Success conversion, Output files save in the output folder.</source>
        <extracomment>The batch is over and its last file was converted (translate the meaning: the conversion succeeded and the files are in the chosen folder)</extracomment>
        <translation>Conversion réussie. Les fichiers sont enregistrés dans le dossier de sortie.</translation>
    </message>
    <message>
        <source>%1 of %2 files done</source>
        <extracomment>Tooltip of the batch&apos;s progress bar</extracomment>
        <translation>Fichiers traités&#xa0;: %1 sur %2</translation>
    </message>
</context>
</TS>
