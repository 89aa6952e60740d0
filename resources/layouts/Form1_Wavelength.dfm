object GroupBox22: TGroupBox
  Left = 0
  Top = 0
  Width = 725
  Height = 552
  Caption = ' Wavelength Calculator '
  object RadioGroup22: TRadioGroup
    OnClick = RadioGroup22Click
    Left = 16
    Top = 24
    Width = 160
    Height = 72
    Caption = ' Input Method '
    Hint = 'Select input method.'
    Items.Strings = (
      'Period'
      'Frequency')
    ItemIndex = 0
    TabOrder = 0
  end
  // Sized for the four frequency units as well as the two of the period.
  object RadioGroup21: TRadioGroup
    OnClick = RadioGroup21Click
    Left = 192
    Top = 24
    Width = 168
    Height = 72
    Caption = ' Units '
    Columns = 2
    Hint = 'Select units for time.'
    Items.Strings = (
      'ns'
      'ps')
    ItemIndex = 0
    TabOrder = 1
  end
  object Label220: TLabel
    Left = 16
    Top = 104
    Width = 120
    Height = 15
    Caption = 'Period'
  end
  object Edit103: TEdit
    OnKeyDown = Edit103KeyDown
    OnKeyPress = Edit103KeyPress
    Left = 16
    Top = 124
    Width = 102
    Height = 22
    Text = '10'
    Hint = 'Enter the signal period.'
    TabOrder = 2
  end
  object Edit280: TEdit
    Left = 138
    Top = 128
    Width = 23
    Height = 18
    Text = 'ns'
    ReadOnly = True
    TabStop = False
    TabOrder = 3
  end
  object Label786: TLabel
    Left = 16
    Top = 160
    Width = 120
    Height = 15
    Caption = 'Er Eff'
  end
  object Edit150: TEdit
    OnKeyDown = Edit150KeyDown
    OnKeyPress = Edit150KeyPress
    Left = 16
    Top = 180
    Width = 102
    Height = 22
    Text = '4'
    Hint = 
      'Enter effective dielectric constant; this may not always be the ' +
      'Er of the PCB substrate.'
    TabOrder = 4
  end
  object Button4: TButton
    OnClick = Button4Click
    Left = 192
    Top = 176
    Width = 144
    Height = 30
    Caption = 'Er Eff Calculator'
    TabOrder = 5
  end
  object Label787: TLabel
    Left = 16
    Top = 216
    Width = 160
    Height = 15
    Caption = 'Wavelength Divide'
  end
  object TrackBar4: TTrackBar
    OnChange = TrackBar4Change
    Left = 16
    Top = 236
    Width = 200
    Height = 28
    Min = 0
    Max = 8
    Position = 0
    Frequency = 1
    Hint = 'Amount to divide by for wavelength.'
    TabOrder = 6
  end
  object Label222: TLabel
    Left = 224
    Top = 242
    Width = 136
    Height = 15
    Caption = 'Full Wave Length'
  end
  object Label788: TLabel
    Left = 16
    Top = 276
    Width = 160
    Height = 15
    Caption = 'Wavelength'
  end
  object Edit104: TEdit
    Left = 16
    Top = 296
    Width = 160
    Height = 22
    ReadOnly = True
    Hint = 'Wavelength for given frequency in substrate.'
    Font.Color = clNavy
    Font.Style = [fsBold]
    TabOrder = 7
  end
  object Label789: TLabel
    Left = 16
    Top = 344
    Width = 48
    Height = 15
    Caption = 'Note:'
    Font.Style = [fsBold]
  end
  object Label790: TLabel
    Left = 64
    Top = 344
    Width = 296
    Height = 15
    Caption = 'Enter an Er Eff of 1 for wavelength in air.'
  end
  object Image661: TImage
    Left = 384
    Top = 24
    Width = 320
    Height = 160
    Picture = 'imp_wavelength_period'
    Stretch = True
    Proportional = True
  end
  object Image662: TImage
    Left = 384
    Top = 200
    Width = 320
    Height = 160
    Picture = 'imp_wavelength_lambda'
    Stretch = True
    Proportional = True
  end
  object Button7: TButton
    OnClick = Button7Click
    Left = 384
    Top = 376
    Width = 200
    Height = 30
    Caption = 'Wavelength Information'
    Hint = 'Click for internet resource.'
    TabOrder = 8
  end
  object Button8: TButton
    OnClick = Button8Click
    Left = 384
    Top = 412
    Width = 200
    Height = 30
    Caption = 'Er Effective Information'
    Hint = 'Click for internet resource.'
    TabOrder = 9
  end
  object Button9: TButton
    OnClick = Button9Click
    Left = 384
    Top = 448
    Width = 200
    Height = 30
    Caption = 'Speed of Light'
    Hint = 'Click for internet resource.'
    TabOrder = 10
  end
end
