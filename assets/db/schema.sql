-- The material database: fabrics, fibres and human body models.
--
-- The query windows read result rows by position, so the column order of the *BasicData tables
-- and of HumanModelGeneralData is fixed. Every value is stored as text, exactly as it is shown and
-- copied into the dialogs; range conditions convert it where the bound is a number. Values are in
-- the units of the dialog edits they go into: cm, g cm-3, degrees, cm2 s-1,
-- cal s-1 cm-1 K-1, kg, DuBois area in cm2, temperatures in degrees Celsius.

CREATE TABLE FabricBasicData (
    FabricID      TEXT PRIMARY KEY,
    FabricName    TEXT NOT NULL DEFAULT '',
    FabricType    TEXT NOT NULL DEFAULT '',
    FabricPicture TEXT NOT NULL DEFAULT '',
    Company       TEXT NOT NULL DEFAULT ''
);

-- One row per value present. DataName is one of 'Thichness' (spelled as the statements read it),
-- 'Max distributed capillary radius', 'Capillary angle', 'Porosity', 'Tortuous liquid',
-- 'Tortuous gas', 'Emissivity'.
CREATE TABLE FabricOtherData (
    FabricID  TEXT NOT NULL REFERENCES FabricBasicData(FabricID),
    DataName  TEXT NOT NULL,
    DataValue TEXT NOT NULL DEFAULT '',
    PRIMARY KEY (FabricID, DataName)
);

CREATE TABLE FiberBasicData (
    FiberID      TEXT PRIMARY KEY,
    FiberName    TEXT NOT NULL DEFAULT '',
    FiberType    TEXT NOT NULL DEFAULT '',
    FiberPicture TEXT NOT NULL DEFAULT '',
    Company      TEXT NOT NULL DEFAULT ''
);

-- DataName is one of 'Diameter', 'Volume density', 'Liquid contact angle', 'Regain value',
-- 'Diffusion coefficient', 'Thermal conductivity', 'Emissivity'. 'Regain value' is the regain
-- (g water per g dry fibre) at 65 % relative humidity.
CREATE TABLE FiberOtherData (
    FiberID   TEXT NOT NULL REFERENCES FiberBasicData(FiberID),
    DataName  TEXT NOT NULL,
    DataValue TEXT NOT NULL DEFAULT '',
    PRIMARY KEY (FiberID, DataName)
);

-- ModelNation holds one of the race texts of the body dialog; ModelGender is '1' (male) or
-- '2' (female); Weight in kg, DuboisArea in cm2, TSkNeu and TCrNeu in degrees Celsius, the
-- other constants in the units of the physiology dialog.
CREATE TABLE HumanModelGeneralData (
    ModelID      TEXT PRIMARY KEY,
    ModelFile    TEXT NOT NULL DEFAULT '',
    ModelPicture TEXT NOT NULL DEFAULT '',
    ModelNation  TEXT NOT NULL DEFAULT '',
    ModelGender  TEXT NOT NULL DEFAULT '',
    ModelAge     TEXT NOT NULL DEFAULT '',
    Weight       TEXT NOT NULL DEFAULT '',
    DuboisArea   TEXT NOT NULL DEFAULT '',
    CpBlood      TEXT NOT NULL DEFAULT '',
    VbldSkNeu    TEXT NOT NULL DEFAULT '',
    VbldSkMax    TEXT NOT NULL DEFAULT '',
    VbldSkMin    TEXT NOT NULL DEFAULT '',
    CshvReg      TEXT NOT NULL DEFAULT '',
    CbldDiat     TEXT NOT NULL DEFAULT '',
    CbldStrt     TEXT NOT NULL DEFAULT '',
    CswrMax      TEXT NOT NULL DEFAULT '',
    CswrPow      TEXT NOT NULL DEFAULT '',
    CswrReg      TEXT NOT NULL DEFAULT '',
    TSkNeu       TEXT NOT NULL DEFAULT '',
    TCrNeu       TEXT NOT NULL DEFAULT '',
    DensityBld   TEXT NOT NULL DEFAULT '',
    CpBm         TEXT NOT NULL DEFAULT ''
);

-- What the first drop-down list of each query window offers: the values present, each once.
CREATE VIEW FabricTypeList AS
    SELECT DISTINCT FabricType AS Name FROM FabricBasicData WHERE FabricType <> '';
CREATE VIEW FiberTypeList AS
    SELECT DISTINCT FiberType AS Name FROM FiberBasicData WHERE FiberType <> '';
CREATE VIEW ModelNationList AS
    SELECT DISTINCT ModelNation AS Name FROM HumanModelGeneralData WHERE ModelNation <> '';
