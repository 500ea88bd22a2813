-- Seed rows of the material database. Each table names the publications its values are typed
-- from; a value that none of them gives is left out (its row is simply missing), so the dialog
-- that takes a record keeps its own value there.

-- ---------------------------------------------------------------------------------------------
-- FiberBasicData / FiberOtherData
-- Sources:
--   Volume density (g cm-3): W. E. Morton, J. W. S. Hearle, Physical Properties of Textile
--     Fibres, 4th ed., Woodhead 2008, table of fibre densities.
--   Regain value: ASTM D1909, Standard Table of Commercial Moisture Regains for Textile Fibers
--     (percent at 65 % RH, 21 C), stored as a fraction: regain = percent / 100.
--   Liquid contact angle (water, degrees): Diversified Enterprises (Accu Dyne Test), Critical
--     surface tension and contact angle with water for various polymers (PET 72.5,
--     nylon 6,6 68.3, polypropylene 102.1); the fibres are taken to wet as their polymer.
--   Emissivity: The Engineering ToolBox, Emissivity Coefficients of Common Materials
--     ("cotton cloth" 0.77).
--   Diameter (cm): a fibre is treated as a solid cylinder of the grade's linear density T and its
--     density rho: d = sqrt(4 T / (pi rho)), with T in g cm-1 (1 dtex = 1e-6 g cm-1).
--     Cotton: micronaire M (ug per inch) gives T = M / 2.54 * 1e-6 g cm-1; wool grades are sold by
--     their measured mean diameter, which is stored as it is.
--   No row for diffusion coefficient or thermal conductivity: none of the sources above gives
--   them for single fibres.
-- ---------------------------------------------------------------------------------------------
INSERT INTO FiberBasicData (FiberID, FiberName, FiberType, FiberPicture, Company) VALUES
    ('FB01', 'Cotton, micronaire 4.0',              'Natural cellulose',     '', ''),
    ('FB02', 'Wool, merino 21 micron',              'Natural protein',       '', ''),
    ('FB03', 'Polyester (PET) staple 1.4 dtex',     'Synthetic',             '', ''),
    ('FB04', 'Nylon 6,6 filament 78 dtex f68',      'Synthetic',             '', ''),
    ('FB05', 'Acrylic staple 1.7 dtex',             'Synthetic',             '', ''),
    ('FB06', 'Viscose staple 1.3 dtex',             'Regenerated cellulose', '', ''),
    ('FB07', 'Silk, bave brin 1.1 dtex',            'Natural protein',       '', ''),
    ('FB08', 'Polypropylene staple 1.7 dtex',       'Synthetic',             '', '');

INSERT INTO FiberOtherData (FiberID, DataName, DataValue) VALUES
    -- Cotton: T = 4.0 / 2.54 * 1e-6 = 1.575e-6 g cm-1; d = sqrt(4 * 1.575e-6 / (pi * 1.52))
    ('FB01', 'Volume density',       '1.52'),
    ('FB01', 'Diameter',             '0.001149'),
    ('FB01', 'Regain value',         '0.085'),
    ('FB01', 'Emissivity',           '0.77'),
    -- Wool: 21 um = 0.0021 cm
    ('FB02', 'Volume density',       '1.31'),
    ('FB02', 'Diameter',             '0.0021'),
    ('FB02', 'Regain value',         '0.136'),
    -- Polyester: d = sqrt(4 * 1.4e-6 / (pi * 1.38))
    ('FB03', 'Volume density',       '1.38'),
    ('FB03', 'Diameter',             '0.001137'),
    ('FB03', 'Regain value',         '0.004'),
    ('FB03', 'Liquid contact angle', '72.5'),
    -- Nylon 6,6: T = 78 / 68 dtex per filament; d = sqrt(4 * (78 / 68) * 1e-6 / (pi * 1.14))
    ('FB04', 'Volume density',       '1.14'),
    ('FB04', 'Diameter',             '0.001132'),
    ('FB04', 'Regain value',         '0.045'),
    ('FB04', 'Liquid contact angle', '68.3'),
    -- Acrylic: d = sqrt(4 * 1.7e-6 / (pi * 1.17))
    ('FB05', 'Volume density',       '1.17'),
    ('FB05', 'Diameter',             '0.00136'),
    ('FB05', 'Regain value',         '0.015'),
    -- Viscose: d = sqrt(4 * 1.3e-6 / (pi * 1.52))
    ('FB06', 'Volume density',       '1.52'),
    ('FB06', 'Diameter',             '0.001044'),
    ('FB06', 'Regain value',         '0.11'),
    -- Silk: d = sqrt(4 * 1.1e-6 / (pi * 1.34))
    ('FB07', 'Volume density',       '1.34'),
    ('FB07', 'Diameter',             '0.001022'),
    ('FB07', 'Regain value',         '0.11'),
    -- Polypropylene: d = sqrt(4 * 1.7e-6 / (pi * 0.91))
    ('FB08', 'Volume density',       '0.91'),
    ('FB08', 'Diameter',             '0.001542'),
    ('FB08', 'Regain value',         '0'),
    ('FB08', 'Liquid contact angle', '102.1');

-- ---------------------------------------------------------------------------------------------
-- HumanModelGeneralData
-- Sources:
--   Weight (kg) and height (cm): C. D. Fryar, Q. Gu, C. L. Ogden, K. M. Flegal, Anthropometric
--     reference data for children and adults: United States, 2011-2014, National Center for
--     Health Statistics, Vital Health Stat 3(39), 2016: means of adults aged 20 and over by sex
--     and race and Hispanic origin (non-Hispanic white for 'Caucasian people', non-Hispanic
--     black for 'African-American', non-Hispanic Asian for 'Asian', Hispanic, Mexican American).
--     The survey has no figures for 'Other', so there is no such model.
--   ModelAge: the middle of the surveyed adult span 20 to 79 years, (20 + 79) / 2 = 49.5.
--   DuboisArea (cm2): D. DuBois, E. F. DuBois, Arch. Intern. Med. 17 (1916) 863:
--     A = 71.84 * W^0.425 * H^0.725 with W in kg and H in cm, rounded to 0.1 cm2 (the height
--     derived back from it differs by less than 0.01 cm).
--   Thermoregulation constants: A. P. Gagge, A. P. Fobelets, L. G. Berglund, A standard
--     predictive index of human response to the thermal environment, ASHRAE Trans. 92(2B)
--     (1986) 709-731 (the two-node model), in the units of the physiology dialog:
--       VbldSkNeu = 6.3 L m-2 h-1 / 10000 = 0.00063; VbldSkMax = 90 / 10000 = 0.009;
--       VbldSkMin = 0.5 / 10000 = 0.00005;
--       CshvReg = 19.4 W m-2 K-2 / 4.184 J cal-1 / 10000 cm2 m-2 = 0.000463671;
--       CswrReg = 170 g m-2 h-1 K-1 / 10000 / 3600 s h-1 = 0.00000472222;
--       CswrPow = 10.7 (the exponent's divisor in K);
--       TSkNeu = 33.7 C, TCrNeu = 36.8 C;
--       CpBm = 0.97 W h kg-1 K-1 * 3.6 kJ W-1 h-1 / 4.184 J cal-1 = 0.834608 cal g-1 K-1.
--     They are the same for every model: the model has no constants by sex or race.
--   ModelFile and ModelPicture name the body model and figure shipped with the program.
--   No value for CpBlood, CbldDiat, CbldStrt, CswrMax and DensityBld: the sources above do not
--   give them in the dialog's units.
-- ---------------------------------------------------------------------------------------------
INSERT INTO HumanModelGeneralData (ModelID, ModelFile, ModelPicture, ModelNation, ModelGender,
        ModelAge, Weight, DuboisArea, VbldSkNeu, VbldSkMax, VbldSkMin, CshvReg, CswrPow, CswrReg,
        TSkNeu, TCrNeu, CpBm) VALUES
    -- A = 71.84 * 91.1^0.425 * 177.4^0.725
    ('HM01', 'model/mantorso.dxf',   'Style/male.bmp',   'Caucasian people', '1', '49.5', '91.1', '20876.3',
     '0.00063', '0.009', '0.00005', '0.000463671', '10.7', '0.00000472222', '33.7', '36.8', '0.834608'),
    -- A = 71.84 * 76.8^0.425 * 163.2^0.725
    ('HM02', 'model/womantorso.dxf', 'Style/female.bmp', 'Caucasian people', '2', '49.5', '76.8', '18275.4',
     '0.00063', '0.009', '0.00005', '0.000463671', '10.7', '0.00000472222', '33.7', '36.8', '0.834608'),
    -- A = 71.84 * 90.0^0.425 * 176.4^0.725
    ('HM03', 'model/mantorso.dxf',   'Style/male.bmp',   'African-American', '1', '49.5', '90.0', '20683.8',
     '0.00063', '0.009', '0.00005', '0.000463671', '10.7', '0.00000472222', '33.7', '36.8', '0.834608'),
    -- A = 71.84 * 86.0^0.425 * 163.0^0.725
    ('HM04', 'model/womantorso.dxf', 'Style/female.bmp', 'African-American', '2', '49.5', '86.0', '19158.6',
     '0.00063', '0.009', '0.00005', '0.000463671', '10.7', '0.00000472222', '33.7', '36.8', '0.834608'),
    -- A = 71.84 * 73.4^0.425 * 171.2^0.725
    ('HM05', 'model/mantorso.dxf',   'Style/male.bmp',   'Asian',            '1', '49.5', '73.4', '18560.0',
     '0.00063', '0.009', '0.00005', '0.000463671', '10.7', '0.00000472222', '33.7', '36.8', '0.834608'),
    -- A = 71.84 * 60.4^0.425 * 157.0^0.725
    ('HM06', 'model/womantorso.dxf', 'Style/female.bmp', 'Asian',            '2', '49.5', '60.4', '16044.8',
     '0.00063', '0.009', '0.00005', '0.000463671', '10.7', '0.00000472222', '33.7', '36.8', '0.834608'),
    -- A = 71.84 * 84.9^0.425 * 170.4^0.725
    ('HM07', 'model/mantorso.dxf',   'Style/male.bmp',   'Hispanic',         '1', '49.5', '84.9', '19677.4',
     '0.00063', '0.009', '0.00005', '0.000463671', '10.7', '0.00000472222', '33.7', '36.8', '0.834608'),
    -- A = 71.84 * 74.1^0.425 * 158.3^0.725
    ('HM08', 'model/womantorso.dxf', 'Style/female.bmp', 'Hispanic',         '2', '49.5', '74.1', '17606.1',
     '0.00063', '0.009', '0.00005', '0.000463671', '10.7', '0.00000472222', '33.7', '36.8', '0.834608'),
    -- A = 71.84 * 84.1^0.425 * 169.8^0.725
    ('HM09', 'model/mantorso.dxf',   'Style/male.bmp',   'Mexican-American', '1', '49.5', '84.1', '19548.3',
     '0.00063', '0.009', '0.00005', '0.000463671', '10.7', '0.00000472222', '33.7', '36.8', '0.834608'),
    -- A = 71.84 * 74.3^0.425 * 157.8^0.725
    ('HM10', 'model/womantorso.dxf', 'Style/female.bmp', 'Mexican-American', '2', '49.5', '74.3', '17585.9',
     '0.00063', '0.009', '0.00005', '0.000463671', '10.7', '0.00000472222', '33.7', '36.8', '0.834608');

-- ---------------------------------------------------------------------------------------------
-- FabricBasicData / FabricOtherData
-- No rows yet: a fabric needs at least its thickness and, for the porosity
-- (porosity = 1 - m / (t * rho), m the mass per area in g cm-2, t the thickness in cm, rho the
-- fibre density), its mass per area, and no published set of measured fabrics is at hand to
-- type them from. Rows added here need their source named above them like the tables above.
-- ---------------------------------------------------------------------------------------------
