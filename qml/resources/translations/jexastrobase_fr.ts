<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>mount</name>
    <message>
        <source>Successful</source>
        <translation>Réussi</translation>
    </message>
    <message>
        <source>Negative response</source>
        <translation>Réponse négative</translation>
    </message>
    <message>
        <source>Communication error</source>
        <translation>Erreur de communication</translation>
    </message>
    <message>
        <source>Operation canceled</source>
        <translation>Opération annulée</translation>
    </message>
    <message>
        <source>Unexpected response</source>
        <translation>Réponse inattendue</translation>
    </message>
    <message>
        <source>Cannot open serial port</source>
        <translation>Impossible d&apos;ouvrir le port série</translation>
    </message>
    <message>
        <source>Searching</source>
        <translation>Recherche en cours</translation>
    </message>
    <message>
        <source>Search finished</source>
        <translation>Recherche terminée</translation>
    </message>
    <message>
        <source>Connecting</source>
        <translation>Connexion en cours</translation>
    </message>
    <message>
        <source>Cannot Connect</source>
        <translation>Connexion impossible</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Connecté</translation>
    </message>
    <message>
        <source>Disconnecting</source>
        <translation>Déconnexion en cours</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Déconnecter</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Connecter</translation>
    </message>
</context>
</TS>
