object Form9: TForm9
  Caption = 'EDA Resources (This form is a "work in progress" resource.)'
  ClientWidth = 664
  ClientHeight = 644
  BorderStyle = bsSingle
  Position = poScreenCenter
  ShowHint = True
  Cursor = crHandPoint
  // schematic symbols and footprints
  object GroupBox1: TGroupBox
    Left = 8
    Top = 8
    Width = 320
    Height = 156
    Caption = ' Schematic Symbols / PCB Footprints '
    TabOrder = 0
    object ButtonGroup2: TButtonGroup
      Left = 8
      Top = 24
      Width = 304
      Height = 124
      ButtonOptions = [gboAllowReorder, gboFullSize, gboShowCaptions]
      Items = <
        item
          Caption = 'Scheme-it'
          Hint = 'Scheme-it'
          OnClick = ButtonGroup2Items0Click
        end
        item
          Caption = 'Snap EDA'
          Hint = 'Snap EDA'
          OnClick = ButtonGroup2Items1Click
        end
        item
        end
        item
        end
        item
        end
        item
        end
        item
        end
        item
        end
        item
        end
        item
        end
        item
        end>
      TabOrder = 0
    end
  end
  // 3D models
  object GroupBox2: TGroupBox
    Left = 336
    Top = 8
    Width = 320
    Height = 156
    Caption = ' 3D Models '
    TabOrder = 1
    object ButtonGroup3: TButtonGroup
      Left = 8
      Top = 24
      Width = 304
      Height = 124
      ButtonOptions = [gboAllowReorder, gboFullSize, gboShowCaptions]
      Items = <
        item
          Caption = '3D Content Central'
          Hint = '3D Content Central'
          OnClick = ButtonGroup3Items0Click
        end
        item
        end
        item
        end
        item
        end
        item
        end
        item
        end
        item
        end
        item
        end
        item
        end
        item
        end
        item
        end>
      TabOrder = 0
    end
  end
  // simulations
  object GroupBox3: TGroupBox
    Left = 8
    Top = 172
    Width = 320
    Height = 300
    Caption = ' Simulations '
    TabOrder = 2
    object ButtonGroup1: TButtonGroup
      Left = 8
      Top = 24
      Width = 304
      Height = 268
      ButtonOptions = [gboAllowReorder, gboFullSize, gboShowCaptions]
      Items = <
        item
          Caption = 'Circuit Lab'
          Hint = 'Circuit Lab'
          OnClick = ButtonGroup1Items0Click
        end
        item
          Caption = 'Mathcad'
          Hint = 'Matchcad'
          OnClick = ButtonGroup1Items1Click
        end
        item
          Caption = 'Multisim'
          OnClick = ButtonGroup1Items2Click
        end
        item
          Caption = 'Sonnet'
          Hint = 'Sonnet'
          OnClick = ButtonGroup1Items3Click
        end
        item
          Caption = 'Ansys HFSS'
          Hint = 'Ansys HFSS'
          OnClick = ButtonGroup1Items4Click
        end
        item
          Caption = 'PathWave RF Synthesis'
          Hint = 'PathWave RF Synthesis'
          OnClick = ButtonGroup1Items5Click
        end
        item
          Caption = 'Sigrity Advanced SI'
          Hint = 'Sigrity Advanced SI'
          OnClick = ButtonGroup1Items6Click
        end
        item
          Caption = 'HyperLynx'
          Hint = 'HyperLynx'
          OnClick = ButtonGroup1Items7Click
        end
        item
          Caption = 'WEBENCH'
          Hint = 'WEBENCH'
          OnClick = ButtonGroup1Items8Click
        end
        item
          Caption = 'PSpice for TI'
          Hint = 'PSpice for TI'
          OnClick = ButtonGroup1Items9Click
        end
        item
          OnClick = ButtonGroup1Items10Click
        end
        item
        end
        item
        end
        item
        end
        item
        end
        item
        end
        item
        end
        item
        end
        item
        end
        item
        end
        item
        end>
      TabOrder = 0
    end
  end
  // board and signal-integrity learning
  object GroupBox4: TGroupBox
    Left = 336
    Top = 172
    Width = 320
    Height = 300
    Caption = ' PCB / SI Learning '
    TabOrder = 3
    object ButtonGroup4: TButtonGroup
      Left = 8
      Top = 24
      Width = 304
      Height = 268
      ButtonOptions = [gboAllowReorder, gboFullSize, gboShowCaptions]
      Items = <
        item
          Caption = 'FEDEVEL Academy'
          Hint = 'FEDEVEL Academy'
          OnClick = ButtonGroup4Items0Click
        end
        item
          Caption = 'Signal Integrity Design Notes'
          Hint = 'Signal Integrity Design Notes'
          OnClick = ButtonGroup4Items1Click
        end
        item
        end
        item
        end
        item
        end
        item
        end
        item
        end
        item
        end
        item
        end
        item
        end
        item
        end>
      TabOrder = 0
    end
  end
  // miscellaneous
  object GroupBox5: TGroupBox
    Left = 8
    Top = 480
    Width = 320
    Height = 156
    Caption = ' Miscellaneous '
    TabOrder = 4
    object ButtonGroup6: TButtonGroup
      Left = 8
      Top = 24
      Width = 304
      Height = 124
      ButtonOptions = [gboAllowReorder, gboFullSize, gboShowCaptions]
      Items = <
        item
          Caption = 'EEVblog '
          Hint = 'EEVblog '
          OnClick = ButtonGroup6Items0Click
        end
        item
        end
        item
        end
        item
        end
        item
        end
        item
        end
        item
        end
        item
        end
        item
        end
        item
        end
        item
        end>
      TabOrder = 0
    end
  end
  // books and standards
  object GroupBox6: TGroupBox
    Left = 336
    Top = 480
    Width = 320
    Height = 156
    Caption = ' Books / Standards '
    TabOrder = 5
    object ButtonGroup5: TButtonGroup
      Left = 8
      Top = 24
      Width = 304
      Height = 124
      ButtonOptions = [gboAllowReorder, gboFullSize, gboShowCaptions]
      Items = <
        item
          Caption = 'IPC'
          Hint = 'IPC'
          OnClick = ButtonGroup5Items0Click
        end
        item
          Caption = 'IEEE'
          Hint = 'IEEE'
          OnClick = ButtonGroup5Items1Click
        end
        item
          Caption = 'Printed Circuits Handbook, Seventh Edition'
          Hint = 'Printed Circuits Handbook, Seventh Edition'
          OnClick = ButtonGroup5Items2Click
        end
        item
          Caption = 'The Hitchhiker''s Guide to PCB Design'
          Hint = 'The Hitchhiker''s Guide to PCB Design'
          OnClick = ButtonGroup5Items3Click
        end
        item
        end
        item
        end
        item
        end
        item
        end
        item
        end
        item
        end
        item
        end>
      TabOrder = 0
    end
  end
end
